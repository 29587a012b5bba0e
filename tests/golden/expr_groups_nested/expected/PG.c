#include	 "builtin.h"

static BYTE   a,b,c,y;
static WORD   w;



main()
{
   if ( (((a)&1)) )
      y = 1;
   if ( ((a) + (b))&1 )
      y = 2;
   if ( (a)&1 && ((b)&1) )
      y = 3;
   if ( a < (b & c) )
      y = 4;
   if ( (!((a)&1 && (b)&1))&1 )
      y = 5;
   if ( ((a)&1 || (b)&1) && (~c)&1 )
      y = 6;
   if ( (((a < b ? 0Xffff : 0X0)) ^ c)&1 )
      y = 7;
   y = ~(a & b);
   y = ((a & b) < c ? 0Xffff : 0X0);
   w = shlB((a < b ? 0Xffff : 0X0),1);
   w = shrB(~a,1) + rolB(a & b | c,1);
   if ( (shlB((a < b ? 0Xffff : 0X0),1))&1 )
      y = 8;
}


