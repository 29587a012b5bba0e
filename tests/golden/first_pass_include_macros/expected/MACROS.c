#include	 "inc/builtin.h"


#include "inc/defs.plm"
static BYTE   x,running;



main()
{
   while((running)&1) {
      x = x + 1;
   }
}


