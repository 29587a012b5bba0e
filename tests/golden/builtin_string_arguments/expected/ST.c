#include	 "builtin.h"

static BYTE   b;
static WORD   w;



main()
{
   b = shlW('A',1);
   w = lowW((('A'<<8)|'B'));
   w = rolW('A',b) + highW((('A'<<8)|'B'));
}


