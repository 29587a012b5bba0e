#include	 "builtin.h"

static void  status(void);
void  status_init(void);


static WORD   stk[2] = { 0
,0
 };


main()
{
   status_init();
   status();
}






static
void  status(void)
{
}



void  status_init(void)
{
   stk[1] = (WORD  )status;
}
