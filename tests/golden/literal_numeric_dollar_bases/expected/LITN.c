#include	 "builtin.h"


#define	THOUSAND	1000

#define	ALLONES	0Xffff

#define	NIBBLE	017

#define	OCTO	077

#define	DECD	25

#define	WRAP	70000

#define	HALF	10.5

#define	QUARTER	0.25

#define	BIG	120.0

#define	DOWN	0Xfff6

#define	UP	32767
static INTEGER   k;
static WORD   w;
static REAL   r;



main()
{
   for ( k = THOUSAND ; k >= 0 ; k += DOWN ) {
      w = w + NIBBLE;
   }
   for ( k = 0 ; k <= DECD ; k += UP ) {
      w = w - OCTO;
   }
   for ( w = 0 ; w <= WRAP ; w += ALLONES ) {
      r = r + HALF * QUARTER - BIG;
   }
}


