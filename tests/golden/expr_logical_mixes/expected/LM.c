#include	 "builtin.h"

static BYTE   a,b,c,d,y;



main()
{
   if ( ((a)&1) || ((b)&1) )
      y = 1;
   if ( ((a)&1 && (b)&1) )
      y = 2;
   if ( ((a & b) + 1)&1 )
      y = 3;
   if ( (a)&1 && ((b)&1 || (c)&1) )
      y = 4;
   if ( (a)&1 || (b)&1 && c < d )
      y = 5;
   if ( a < b && (c)&1 || (d)&1 )
      y = 6;
   if ( ((a ^ b)&1) && (c)&1 )
      y = 7;
   if ( (a ^ b & c)&1 )
      y = 8;
   if ( ((a == b ? 0Xffff : 0X0) ^ (c == d ? 0Xffff : 0X0))&1 )
      y = 9;
   if ( a + b > c - d && !(c == d) )
      y = 10;
   y = ((a < b ? 0Xffff : 0X0)) + ((c > d ? 0Xffff : 0X0));
   y = a & (b == c ? 0Xffff : 0X0);
   y = (a < b ? 0Xffff : 0X0) | (c == d ? 0Xffff : 0X0) & b;
   y = (a | b) & ((c < d ? 0Xffff : 0X0));
   while(a != b && (c)&1) {
      a = a + 1;
   }
}


