#include	 "builtin.h"

static BYTE   a,b,c,d,x;



main()
{
   if ( a < b && (c)&1 )
      x = 1;
   if ( (a)&1 && (b)&1 )
      x = 2;
   if ( (a)&1 )
      x = 3;
   if ( ((a + b)&1) )
      x = 4;
   if ( (!(a < b))&1 )
      x = 5;
   if ( (~a)&1 )
      x = 6;
   if ( (a ^ b)&1 )
      x = 7;
   if ( (a)&1 && (b)&1 || (c)&1 )
      x = 8;
   if ( a < b || c < d )
      x = 9;
   if ( (a)&1 && b < c )
      x = 10;
   if ( (!(a == b))&1 )
      x = 11;
   if ( a == 1 && b != 2 )
      x = 12;
   if ( (a < b) && (c)&1 )
      x = 13;
   if ( (((a < b ? 0Xffff : 0X0)) + 1)&1 )
      x = 14;
}


