#include	 "builtin.h"


typedef struct {
   BYTE high;
   WORD time;
} StrucT1;
static BYTE   shl;
static BYTE   ror[4];
static StrucT1  low;
static WORD   w;



main()
{
   shl = ror[2] + shrB(shl,1);
   low.high = highW(w);
   low.time = low.time + timeB(low.high);
   w = rolB(ror[1],2) + ror[3];
   movb(&(shl),&(ror[1]),shl);
}


