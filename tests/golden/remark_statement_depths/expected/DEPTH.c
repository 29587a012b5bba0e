#include	 "builtin.h"

static void  show(void);


static BYTE   a,x;


main()
{
   a = 1;
   /* module level, one line */
/* inside the statement */
   x = 2;
   {
      /* inside DO,
         two lines */
      x = 3;
      /* before the inner END */
   }
   if ( (a)&1 )
   /* then branch */
      x = 4;
   else
   /* before ELSE */
/* else branch */
      x = 5;
   show();
   /* after the last statement */
}






static
void  show(void)
{
   x = 0;
   /* in the procedure body
      second line */
   x = 1;
}
