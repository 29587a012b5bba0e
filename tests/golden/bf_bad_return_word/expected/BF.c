#include	 "builtin.h"

static BYTE   b;
static WORD   w;
static DWORD   d;



main()
{
   b = twiceB(b);
   w = twice(w);
   d = twice(d);
}


