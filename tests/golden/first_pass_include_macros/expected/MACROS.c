#include	 "builtin.h"

static BYTE   x,running;



main()
{
   while((running)&1) {
      x = x + 1;
   }
}


