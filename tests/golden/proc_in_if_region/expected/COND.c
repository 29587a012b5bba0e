#include	 "builtin.h"

static void  quick(void);
static void  slow(void);



#define fasT	0XFF 

static BYTE   n;


#if  (fasT)&1 

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




#if ((fasT)&1) == 0

static
void  slow(void)
{
   n = 2;
}

#endif
