#include	 "builtin.h"

static BYTE   x,y;



main()
{
   x = 0;
   x = 1;
   y = 2;
   x = y + 1;
   x = y;
   y = x;
   y = y + 1;
   x = 3;
   x = 4;
   x = 5;
   x = 6;
}


