#include	 "builtin.h"

static BYTE   k,x;



main()
{
   switch (k) {
      case 0 :
         if ( (x)&1 )
            x = 1;
         else
            x = 2;
         break ;
      case 1 :
         {
            x = 3;
            x = 4;
         }
         break ;
      case 2 :
         ;
         break ;
      case 3 :
         switch (x) {
            case 0 :
               x = 5;
               break ;
            case 1 :
               break;
         }
         break ;
      case 4 :
         x = 6;
         break ;
      case 5 :
         break;
   }
   switch (x) {
      case 0 :
         break;
   }
}


