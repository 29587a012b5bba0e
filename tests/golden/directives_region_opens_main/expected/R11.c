#include	 "builtin.h"


#define D	0 

static BYTE   x;



main()
{

#if  (D)&1 
   x = 1;

#elif  (~D)&1 
   x = 3;

#else

   x = 2;

#endif

   x = 4;
}


