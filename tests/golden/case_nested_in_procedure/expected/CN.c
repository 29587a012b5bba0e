#include	 "builtin.h"

static BYTE  step(BYTE   n);


static BYTE   mode,sub,x;
static BYTE   tbl[4];


main()
{
   x = step(mode);
}






static
BYTE  step(BYTE   n)
{

   switch ((n & 3) + 1) {
      case 0 :
         x = 0;
         break ;
      case 1 :
         switch (tbl[n] - 1) {
            case 0 :
               x = 1;
               break ;
            case 1 :
               if ( (sub)&1 )
                  x = 2;
               else
                  x = 3;
               break ;
            case 2 :
               break;
         }
         break ;
      case 2 :
         again:
         x = x + 1;
         break ;
      case 3 :
         {
            switch (sub) {
               case 0 :
                  x = 4;
                  break ;
               case 1 :
                  break;
            }
            x = 5;
         }
         break ;
      case 4 :
         break;
   }
   return(x);
}
