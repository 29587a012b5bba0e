#include	 "builtin.h"

static void  bump(void);


static BYTE   n;



main()
{
   n = 0;
   
#define tracE	0XFF 

   bump();
}






/* before the set */
/* before the procedure */
static
void  bump(void)
{
   /* in the body */
   n = n + 1;
   /* before the reset */

#undef tracE
#define tracE	0 

/* after the reset */
   n = n - 1;
}
