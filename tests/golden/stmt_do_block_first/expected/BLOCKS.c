#include	 "builtin.h"

static BYTE   a;



main()
{
   {
      static BYTE   t;

      t = a;
      {
         a = t;
      }
   }
   a = 0;
}


