#include	 "builtin.h"

static WORD   count;

#include "gen/defs.plm"


main()
{
   count = bump(limit);
}


