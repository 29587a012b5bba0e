#include	 "builtin.h"

static BYTE   a,b,c;
static BYTE   buf[10];
static WORD   x[4],y[4];
static INTEGER   m[2 * 8];
static BYTE   *p;
static BYTE   *q;



main()
{
   buf[0] = a;
   x[1] = y[b + 1];
}


