#include	 "builtin.h"

static BYTE   x;


#define fasT	0XFF 

/* was:
#if  (fasT)&1
*/
/* inside the region */


main()
{

#if  (fasT)&1 
   x = 1;

#endif

   x = 2;
}


