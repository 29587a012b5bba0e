#include	 "builtin.h"

BYTE   Xlat = 5
;
extern BYTE   Cmpw;
static WORD   w;

static union {
   BYTE   Setb[4];
   WORD   Skipb;
} Un1;



main()
{
   w = Xlat + Un1.Setb[2] + Un1.Skipb + Cmpw;
   movb(Un1.Setb,&(w),2);
}


