#include	 "hdr/builtin.h"


#undef F
#define F	0 

static BYTE   x;


#if  (F)&1 

#include "hdr/debug.inc"

#else


#include "hdr/fast.inc"


#endif



main()
{
   x = mode;
}


