#include	 "builtin.h"


#define	CR	13

#define	LF	0Xa
static BYTE   *p;



main()
{
   p =  (BYTE *)"\015\012OK\000" ;
}


