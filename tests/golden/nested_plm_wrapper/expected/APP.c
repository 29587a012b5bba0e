#include	 "builtin.h"

static void  start(void);
static void  addAll(void);
static void  addOne(WORD   n);
static WORD  scale(WORD   v, BYTE   f);
void  plm(void);


static WORD   result;


main()
{
   plm();
}



static WORD   i,sum;




static
void  start(void)
{
   sum = 0;
   addAll();
}




static
void  addAll(void)
{
   for ( i = 1 ; i <= 5 ; i += 1 ) {
      addOne(i);
   }
}




static
void  addOne(WORD   n)
{

   sum = sum + scale(n,2);
}




static
WORD  scale(WORD   v, BYTE   f)
{

   return(v * f);
}




void  plm(void)
{
   start();
   result = sum;
}
