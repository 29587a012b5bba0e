#include	 "builtin.h"

static BYTE   k,x;



main()
{
   k = 1;
   /* before the switch */
   switch (k) {
      case 0 :
         /* case zero */
         x = 10;
         /* case one */
         break ;
      case 1 :
         x = 11;
         /* case two, a block */
         break ;
      case 2 :
         {
            /* inside the block */
            x = 12;
         }
         /* before the END of the case */
         break ;
      case 3 :
         break;
   }
   x = 0;
}


