#include	 "builtin.h"

static BYTE   *p;
static BYTE   x;



main()
{
   if ( x == '$' )
      p =  (BYTE *)"DONE$" ;
}


