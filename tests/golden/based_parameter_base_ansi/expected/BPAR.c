#include	 "builtin.h"

static WORD  addUp(WORD   *tab, BYTE   n);
static void  clear(WORD   *ptr);


static WORD   total;


main()
{
   clear((WORD   *)&(total));
   total = addUp((WORD   *)&(total),1);
}






static
WORD  addUp(WORD   *tab, BYTE   n)
{
   static WORD   i,s;

   s = 0;
   for ( i = 0 ; i <= n - 1 ; i += 1 ) {
      s = s + tab[i];
   }
   return(s);
}




static
void  clear(WORD   *ptr)
{

   *ptr = 0;
   *((BYTE    *)ptr) = 1;
   mark(ptr);
}
