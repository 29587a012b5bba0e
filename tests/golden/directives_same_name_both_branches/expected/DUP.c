#include	 "builtin.h"


#undef widE
#define widE	0 

static BYTE   n;


#if  (widE)&1 
static WORD   acc;


#else

static BYTE   acc;


#endif



main()
{
   n = 1;
   acc = n;
}


