#include	 "builtin.h"

static WORD  swap(WORD   v);


static WORD   r;


main()
{
   r = swap(0X1234);
}






static
WORD  swap(WORD   v)
{
   BYTE   t;

   union {
      WORD   v;
      BYTE   b[2];
   } Un1;

   Un1.v = v;
   t = Un1.b[0];
   Un1.b[0] = Un1.b[1];
   Un1.b[1] = t;
   return(Un1.v);
}
