#include	 "builtin.h"



static BYTE   a;
extern void  send(BYTE   *p, WORD   n, WORD   r);

static BYTE   b[4];
extern REAL  scale(REAL   x);

static BYTE   *q;



main()
{
   q = (BYTE   *)b;
   send(q,a,2);
}


