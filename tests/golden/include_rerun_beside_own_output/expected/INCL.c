#include	 "builtin.h"


#include "defs.lit"
static BYTE   x;



main()
{
   x = LIMIT;
}


