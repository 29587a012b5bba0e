#include	 "builtin.h"


typedef struct {
   WORD i;
} StrucT1;
static WORD   wa[4];
static WORD   w,n;
static StrucT1  rec;



main()
{
   for ( w = (WORD  )wa ; w <= (WORD  )wa + 6 ; w += 2 ) {
      n = n + 1;
   }
   for ( rec.i = 2 + (WORD  )&(wa[1]) ; rec.i <= (WORD  )&(wa[3]) ; rec.i += 1 ) {
   }
}


