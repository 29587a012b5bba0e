#include	 "builtin.h"

static BIT  data f;
static BYTE  data b;



main()
{
   b = absT(f + 1.5);
   b = absT(f + b);
   b = absR(b + 2.5);
}


