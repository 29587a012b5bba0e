#include	 "builtin.h"

static BYTE   a,b;
static WORD   v;
static BYTE   *p;
static WORD   *q;



main()
{
   p = (BYTE   *)q;
   q = (WORD   *)p;
   v = (WORD  )&(a);
   a = (BYTE  )p;
   b = a;
}


