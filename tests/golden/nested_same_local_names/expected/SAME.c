#include	 "builtin.h"

static void  bump(void);
static void  first(void);
static void  twice(void);
static WORD  second(WORD   v);
static void  third(void);


static WORD   total;


main()
{
   first();
   total = second(total);
   third();
}



static BYTE   tmp;




static
void  bump(void)
{
   tmp = tmp + 1;
}




static
void  first(void)
{
   tmp = 0;
   bump();
   total = total + tmp;
}

static WORD   second_v;
static WORD   second_tmp;




static
void  twice(void)
{
   second_tmp = second_tmp + second_tmp;
}




static
WORD  second(WORD   v)
{

   second_v = v;
   second_tmp = second_v;
   twice();
   return(second_tmp);
}




static
void  third(void)
{
   static BYTE   tmp;

   tmp = 3;
   total = total + tmp;
}
