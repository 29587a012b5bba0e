#include	 "builtin.h"

static BYTE  f(void);
static void  g(void);


static WORD   w;



main()
{
   w = (WORD  )f;
   w = (WORD  )g;
   w = f();
}






static
BYTE  f(void)
{
   return(1);
}




static
void  g(void)
{
}
