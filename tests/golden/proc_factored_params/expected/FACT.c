#include	 "builtin.h"

static BYTE  mix(BYTE   b, BYTE   a);


static BYTE   result;


main()
{
   result = mix(1,2);
}






static
BYTE  mix(BYTE   b, BYTE   a)
{
   static BYTE   x,y;

   x = a + b;
   y = x - a;
   return(x + y);
}
