#include	 "builtin.h"

static BYTE   x;



main()
{

#if  (fasT)&1 
/* inside the first statement */
   x = 1;

#endif

   x = 2;
}


