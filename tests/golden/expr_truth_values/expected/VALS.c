#include	 "builtin.h"

static BYTE   a,b,c,d,y;



main()
{
   y = (a < b ? 0Xffff : 0X0) & (c < d ? 0Xffff : 0X0);
   y = ~(a + b);
   y = ((a == b ? 0Xffff : 0X0));
   y = a & b;
   y = (a | b) ^ c;
   y = ~a;
   y = (a > b ? 0Xffff : 0X0);
   y = (a < b ? 0Xffff : 0X0) | c;
   y = ~((a < b ? 0Xffff : 0X0));
}


