#include	 "builtin.h"

static BYTE  split(WORD   v, WORD   n);


static WORD   total;


main()
{
   total = split(1,2);
}






static
BYTE  split(WORD   v, WORD   n)
{
   static BYTE   i;

   static union {
      WORD   v;
      BYTE   parts[2];
   } Un1;

   static union {
      BYTE   buf[2];
      WORD   n;
   } Un2;

   Un1.v = v;
   Un2.n = n;
   i = Un1.parts[0] + Un2.buf[1];
   total = Un2.n;
   return(i);
}
