#include	 "builtin.h"

static BYTE   *p;



main()
{
   p =  (BYTE *)"WHY?\?/ OR ?\?= ?\?\?\000" ;
}


