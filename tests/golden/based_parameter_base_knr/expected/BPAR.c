#include	 "builtin.h"

static WORD addUp();
static void clear();


static WORD   total;


main()
{
   clear((WORD   *)&(total));
   total = addUp((WORD   *)&(total),1);
}






static
WORD 
addUp(tab,n)
WORD   *tab;
BYTE   n;
{
   static WORD   i,s;

   s = 0;
   for ( i = 0 ; i <= n - 1 ; i += 1 ) {
      s = s + tab[i];
   }
   return(s);
}




static
void 
clear(ptr)
WORD   *ptr;
{

   *ptr = 0;
   *((BYTE    *)ptr) = 1;
   mark(ptr);
}
