#include	 "builtin.h"

static BYTE   x,y;



main()
{
   x = 1;
   y = 2;
   x = 3;
   y = x + 1;
   x = y;
}


