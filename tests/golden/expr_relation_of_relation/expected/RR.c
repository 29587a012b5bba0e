#include	 "builtin.h"

static BYTE   a,b,c,y;



main()
{
   y = ((a < b ? 0Xffff : 0X0) == c ? 0Xffff : 0X0);
   y = ((a == b ? 0Xffff : 0X0) < c ? 0Xffff : 0X0);
   if ( (a < b ? 0Xffff : 0X0) == c )
      y = 1;
}


