#include	 "out/builtin.h"


#include "out/defs.lit"
static BYTE   x;



main()
{
   x = LIMIT;
}


