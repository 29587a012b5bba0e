#include	 "builtin.h"

WORD  walk(BYTE   n);


static WORD   total;


main()
{
   total = walk(3);
}






WORD  walk(BYTE   n)
{
   static WORD   sum = 0
;
   BYTE   i,j;

   {
      WORD   t;

      t = n;
      sum = t;
   }
   i = n;
   j = i;
   return(sum);
}
