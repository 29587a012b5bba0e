#include	 "builtin.h"


typedef struct {
   BYTE k;
   WORD l;
} StrucT1;
static StrucT1  t[3];
static BYTE   x,y;
static WORD   w;



main()
{
   x = t[0].k;
   w = (WORD  )&(t[0].l);
   t[0].k = 1;
   y = t[2].k;
}


