#include	 "builtin.h"


#define	TEN	10

#define	ALL	0Xffff

#define	HALF	0.5
static BYTE   b;
static WORD   w;
static INTEGER   i;
static REAL   r;
static BYTE   buf[TEN];



main()
{
   w = shlW(TEN,2);
   b = lowW(ALL) + highW(ALL);
   i = fixR(HALF);
   r = absR(r - HALF);
   buf[TEN - 1] = TEN * 2;
   if ( w == ALL )
      w = 0;
   for ( i = TEN ; i >= 0 ; i += ALL ) {
      b = b + 1;
   }
   for ( w = 0 ; w <= ALL ; w += TEN ) {
      b = b - 1;
   }
}


