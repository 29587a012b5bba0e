#include	 "hdr/builtin.h"


#define A	0XFF 


#undef B
#define B	0 

static BYTE   x;


#if  (B)&1 

#include "hdr/b1.inc"

#elif  (A)&1 

#include "hdr/a1.inc"


#else


#include "hdr/e1.inc"

#endif


#if  (~A)&1 

#include "hdr/n1.inc"


#endif



main()
{
   x = 0;
}


