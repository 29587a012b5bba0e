#include	 "hdr/builtin.h"


#define V	1 

static BYTE   x;


#if  (V)&1 

#include "hdr/v1.inc"


#endif



main()
{
   x = 0;
}


