#include	 "builtin.h"

static BYTE   a,b,done;
static WORD   w;
static BYTE   buf[4];



main()
{
   if ( (1)&1 )
      a = 1;
   if ( (0Xff)&1 )
      a = 2;
   if ( ('Y')&1 )
      a = 3;
   if ( (lowW(w))&1 )
      a = 4;
   if ( (shrB(b,1))&1 && (1)&1 )
      a = 5;
   if ( (buf[a] - 1)&1 )
      a = 6;
   if ( (a = b - 1) == 0 )
      a = 7;
   if ( (a = b)&1 )
      a = 8;
   while((~done)&1) {
      done = (buf[a] == 0 ? 0Xffff : 0X0) | (a > 3 ? 0Xffff : 0X0);
   }
   while((1)&1) {
      if ( ((done)&1) )
         a = 9;
   }
   while(buf[a] != 0 && !(a >= 3)) {
      a = a + 1;
   }
}


