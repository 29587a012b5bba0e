#include	 "builtin.h"

static BYTE   b;
static WORD   w;
static DWORD   d;



main()
{
   b = twice(b);
   w = twice(w);
   d = twice(d);
}


