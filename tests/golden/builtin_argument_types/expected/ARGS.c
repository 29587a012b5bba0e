#include	 "builtin.h"

static BYTE   b,c;
static WORD   w;
static DWORD   d;
static INTEGER   i;
static REAL   r;
static BYTE   *p;
static BYTE   high[4];



main()
{
   b = absB(b);
   w = absW(b + w);
   w = absW(c + 1);
   d = absI(d - i);
   r = absR(b + 1.5);
   w = absP(p - p + 1.5);
   d = absD(dbl(w));
   b = absB(lowW(w));
   d = Double(b);
   b = absB(high[1]);
   b = high[2];
   w = absW(sizeof(b));
   w = abs(zap(b));
   movB(p,p,4);
   movb(&(b),&(c),1);
}


