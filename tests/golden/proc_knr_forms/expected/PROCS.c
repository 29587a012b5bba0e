#include	 "builtin.h"

WORD add();
static WORD sum();
static void tick();
static void init();


static WORD   total;
extern void 
putChar(/*  c */);
extern BYTE 
readKey();


main()
{
   init();
   total = sum(readKey());
   putChar(total);
}






/* ADD TWO WORDS */
WORD 
add(a,b)
WORD   a;
WORD   b;
{

   return(a + b);
}




static
WORD 
sum(n)
BYTE   n;
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
void 
tick()
{
   total = total + 1;
}




static
void 
init()
{
   total = 0;
}
