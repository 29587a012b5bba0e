#include	 "builtin.h"

static BYTE   *p;
static BYTE   *q;



main()
{
   p =  (BYTE *)"H86\000" ;
   q =  (BYTE *)"\015\012$" ;
   p =  (BYTE *)"SAY \"HI\"\000" ;
}


