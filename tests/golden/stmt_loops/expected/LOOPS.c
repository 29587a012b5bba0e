#include	 "builtin.h"

static BYTE   i,n;
static INTEGER   k;
static WORD   w;



main()
{
   for ( i = 1 ; i <= 10 ; i += 1 ) {
      n = n + i;
   }
   for ( i = 0 ; i <= n ; i += 2 ) {
      while(n > 0) {
         n = n - 1;
      }
   }
   for ( k = 10 ; k >= 0 ; k +=  - 1 ) {
      n = n + 1;
   }
   for ( w = 10 ; w <= 0 ; w +=  - 1 ) {
   }
   while((i)&1) {
      i = i - 1;
   }
}


