#include	 "builtin.h"


typedef struct {
   WORD a;
   BYTE b[4];
   WORD c;
} StrucT1;
static StrucT1  rec;
static BYTE   n,m;
static WORD   w;



main()
{
   n = (BYTE  )(WORD)&(rec.c) - (WORD)&(rec.a);
   w = (WORD  )(WORD)&(rec.b[2]) - (WORD)&(rec) + 1;
   m = (BYTE  )(WORD)&(n) - (WORD)&(m);
   w = w - (WORD)&(n);
}


