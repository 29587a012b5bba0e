#include	 "builtin.h"

static void  step(void);



#define debuG	0XFF
#define leveL	2 


#undef tracE
#define tracE	0
#undef modE
#define modE	1 

static BYTE   count;


#if  (debuG)&1 
static BYTE   dbg;


#elif  (leveL)&1 
static BYTE   lvl;


#else

static BYTE   none;


#endif



main()
{
   step();

#if  (debuG)&1 
   dbg = 1;

#endif

}






static
void  step(void)
{
   static BYTE   k;

   
#undef debuG
#define debuG	0 


#if  (tracE)&1 
   k = 1;

#else

   k = 2;

#endif

   count = count + k;
}
