#include	 "builtin.h"

static REAL  half(REAL   x);
DWORD  widen(DWORD   v, WORD   w);
static INTEGER  neg(INTEGER   k);
static void  clear(BYTE   *p, BYTE   n);


static REAL   r;
static DWORD   d;
static INTEGER   i;
static BYTE   *q;


main()
{
   r = half(r);
   d = widen(d,1);
   i = neg(i);
   clear(q,4);
}






static
REAL  half(REAL   x)
{

   return(x);
}




DWORD  widen(DWORD   v, WORD   w)
{

   return(v);
}




static
INTEGER  neg(INTEGER   k)
{

   return(k);
}




static
void  clear(BYTE   *p, BYTE   n)
{

   return;
}
