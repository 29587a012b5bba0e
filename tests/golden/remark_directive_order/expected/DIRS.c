#include	 "builtin.h"

static BYTE   x;



main()
{
   x = 0;
   
#define fasT	0XFF 

/* before the set */
/* after the set */
   x = 1;
   /* before the if */
/* inside the region */

#if  (fasT)&1 
   x = 2;
   /* before the endif */

#endif

   x = 3;
}


