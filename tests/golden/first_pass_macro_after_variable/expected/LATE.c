#include	 "builtin.h"

static BYTE   x;



main()
{
   while((1)&1) {
      if ( x == '$' )
         x = 0;
   }
}


