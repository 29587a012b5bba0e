#include	 "builtin.h"

static BYTE mix();


static BYTE   result;


main()
{
   result = mix(1,2);
}






static
BYTE 
mix(b,a)
BYTE   a;
BYTE   b;
{
   static BYTE   x,y;

   x = a + b;
   y = x - a;
   return(x + y);
}
