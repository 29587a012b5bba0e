#include	 "builtin.h"

static BYTE   a,b;



main()
{
   a = b + 1;
}


