#include	 "builtin.h"

static void  inner(void);
static void  outer(void);


static BYTE   g;


main()
{
   outer();
}



/* outer local */
static BYTE   s;




/* the inner one */
static
void  inner(void)
{
   /* inner body */
   s = g;
}




static
void  outer(void)
{
   /* outer body */
   inner();
}
