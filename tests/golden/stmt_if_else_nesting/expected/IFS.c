#include	 "builtin.h"

static BYTE   a,b,x;



main()
{
   if ( (a)&1 )
      x = 1;
   if ( (a)&1 )
      x = 1;
   else
      x = 2;
   if ( (a)&1 )
   if ( (b)&1 )
      x = 3;
   else
      x = 4;
   if ( a < b )
   {
      x = 5;
      x = 6;
   }
   else
   {
      x = 7;
   }
   if ( (b)&1 )
      ;
   else
      x = 8;
}


