#include	 "builtin.h"


#define debuG	0XFF
#define leveL	3
#define myFlaG	0XFF 


#undef tracE
#define tracE	1
#undef X
#define X	0 

static BYTE   n;



main()
{
   n = 0;

#if  leveL > 2 && (~tracE)&1 
   n = 1;

#endif


#if  (debuG)&1 || (X)&1 
   n = 2;

#elif  leveL == 1 || leveL == 2 
   n = 3;

#else

   n = 4;

#endif


#if  (!((debuG)&1 && (myFlaG)&1))&1 
   n = 5;

#endif

}


