#include	 "builtin.h"

static void  addAll(void);


static WORD   total;


main()
{
   addAll();
}






static
void  addAll(void)
{
   static BYTE   i;

   for ( i = 1 ; i <= 3 ; i += 1 ) {
      total = total + i;
   }
}
