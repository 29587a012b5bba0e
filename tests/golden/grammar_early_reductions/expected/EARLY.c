#include	 "builtin.h"

static BYTE   x;



main()
{
   x = '1';
   x = 1;
   if ( (x)&1 )
   /* then */
      x = 2;
}


