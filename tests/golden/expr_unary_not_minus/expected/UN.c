#include	 "builtin.h"

static BYTE   a,b,c,x,y;
static INTEGER   i;



main()
{
   i =  -  - i;
   i = a -  - 1;
   i =  - a * b;
   i =  - (a + b) -  - (c);
   y = ~(~x);
   y = a + ~(b + c);
   y = ~(a * b) ^ c;
   y = ~( - x);
   y = ~a & b;
   y = ~((a < b ? 0Xffff : 0X0));
   if ( (!((~x)&1))&1 )
      y = 1;
   if ( (~a)&1 && (b)&1 )
      y = 2;
   if ( (!((a)&1))&1 )
      y = 3;
   if ( (!((a + 1)&1))&1 )
      y = 4;
   if ( (~a)&1 || (~b)&1 )
      y = 5;
   if ( ( - x)&1 )
      y = 6;
}


