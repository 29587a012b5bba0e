#include	 "builtin.h"

static BYTE  peek(void);


static WORD   w;


main()
{
   w = peek();
}






static
BYTE  peek(void)
{
   static BYTE   k;

   k = 0;
   {

      static union {
         WORD   h;
         BYTE   hb[2];
      } Un1;

      Un1.h = w;
      k = Un1.hb[1];
   }
   return(k);
}
