#include	 "builtin.h"

static BYTE  get(void);


static BYTE   n;

static union {
   WORD   w;
   BYTE   lo;
} Un1;



main()
{
   n = get();
   Un1.w = n;
}






static
BYTE  get(void)
{
   return(Un1.lo);
}
