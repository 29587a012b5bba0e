#include	 "builtin.h"

static BYTE   a;



main()
{
   a = 1;
   {
      static BYTE   b;

   }
   a = 2;
}


