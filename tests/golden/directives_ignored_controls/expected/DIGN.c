#include	 "builtin.h"

static BYTE   a,b;
static WORD   c;



main()
{
   a = b;
   c = a + b;
}


