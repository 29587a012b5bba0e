#include	 "builtin.h"

static BYTE   a,b,c,flag,rbp;



main()
{
   if ( ((a = b & c)&1) )
      a = 1;
   if ( ((flag = (rbp == 1 ? 0Xffff : 0X0))&1) )
      a = 2;
   while(((a = b | c)&1)) {
      b = 0;
   }
   if ( ((a = b)&1) )
      c = 3;
}


