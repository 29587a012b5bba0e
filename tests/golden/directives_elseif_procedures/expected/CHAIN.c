#include	 "builtin.h"

static void  quick(void);
static void  tiny(void);
static void  slow(void);



#define fasT	0XFF 

static BYTE   n;


#if  (fasT)&1 

#elif  (smalL)&1 

#else


#endif



main()
{
   quick();
}






#if (fasT)&1

static
void  quick(void)
{
   n = 1;
}

#endif




#if ((fasT)&1) == 0 && (smalL)&1

static
void  tiny(void)
{
   n = 2;
}

#endif




#if ((fasT)&1) == 0 && ((smalL)&1) == 0

static
void  slow(void)
{
   n = 3;
}

#endif
