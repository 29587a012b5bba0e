#include	 "builtin.h"

WORD  add(WORD   a, WORD   b);
static WORD  sum(BYTE   n);
static void  tick(void);
static void  init(void);


static WORD   total;
extern void  putChar(BYTE   c);

extern BYTE  readKey(void);


main()
{
   init();
   total = sum(readKey());
   putChar(total);
}






/* ADD TWO WORDS */
WORD  add(WORD   a, WORD   b)
{

   return(a + b);
}




static
WORD  sum(BYTE   n)
{
   static WORD   acc = 0
;
   BYTE   i;

   for ( i = 1 ; i <= n ; i += 1 ) {
      acc = add(acc,i);
   }
   return(acc);
}




static
void  tick(void)
{
   total = total + 1;
}




static
void  init(void)
{
   total = 0;
}
