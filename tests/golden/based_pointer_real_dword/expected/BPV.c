#include	 "builtin.h"

static POINTER   *p;
static REAL   *q;
static BYTE   x;
static WORD   k;



main()
{
   *q = 1.5;
   *((DWORD    *)q) = 7;
   *((INTEGER    *)k) =  - 1;
   *p = 0;
   x = (BYTE  )*p;
   k = (WORD  )p;
}


