#include	 "builtin.h"

static BYTE   b;
static WORD   w;
static DWORD   d;
static INTEGER   i;
static REAL   r;



main()
{
   b = lowW(w);
   w = lowD(d + 1);
   b = highI(i - w);
   w = doubleB(b);
   d = doubleW(w + b);
   d = doubleW(lowD(d));
   i = fixR(r + 1);
   i = fixR(i + 1.0);
   r = floatI(i * 2);
   r = floatW(w) / 2.0;
   i = intW(w);
   i = signedB(b) + iabsI(i);
   w = unsignI(i) + unsignW(w);
   r = absR(r - 0.5);
   i = iabsW(w - 1);
   b = decB(b);
   r = Float(b);
}


