#include	 "builtin.h"

static void  show(void);
static void  bump(void);


static BYTE   x,y;


main()
{
   show();
   y = y + 1 * 2 - y + 1;
   bump();
}






static
void  show(void)
{
   x = y + 1;
   y = y + 1 * 2;
}




static
void  bump(void)
{
   static BYTE   later;

   later = y + 1 * 2;
   x = later;
}
