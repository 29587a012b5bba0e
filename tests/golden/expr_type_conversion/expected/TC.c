#include	 "builtin.h"

static INTEGER   i;
static BYTE   b;
static WORD   w;



main()
{
   b = (BYTE)(i) * 4;
   w = (WORD)(b - 48) + (INTEGER)(w);
}


