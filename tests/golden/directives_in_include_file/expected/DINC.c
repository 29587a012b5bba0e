#include	 "hdr/builtin.h"

static BYTE   n;

#include "hdr/opts.inc"


main()
{
   n = 0;

#if  (fasT)&1 
   n = 1;

#else

   n = slowValue;

#endif

}


