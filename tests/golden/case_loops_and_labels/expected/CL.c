#include	 "builtin.h"

static BYTE   k,x;



main()
{
   x = 0;
   sel:
   switch (k) {
      case 0 :
         if ( (x)&1 )
            x = 1;
         break ;
      case 1 :
         if ( (x)&1 )
         {
            x = 2;
         }
         else
            x = 3;
         break ;
      case 2 :
         while(x < 9) {
            x = x + 1;
         }
         break ;
      case 3 :
         for ( x = 1 ; x <= 3 ; x += 1 ) {
            k = x;
         }
         break ;
      case 4 :
         break;
   done: ;
   }
}


