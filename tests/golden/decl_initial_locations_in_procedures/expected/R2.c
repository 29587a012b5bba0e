#include	 "builtin.h"

static WORD  show(BYTE   n);
static WORD  inner(void);
static void  outer(void);
void  r2_init(void);


static BYTE   a,b;


main()
{
   r2_init();
   outer();
   b = show(1);
}






static
WORD  show(BYTE   n)
{
   static WORD   tab[2] = { 0
,0
 };

   static BYTE   initial_locations_stored;
   if (!initial_locations_stored) {
      initial_locations_stored = 1;
      tab[0] = (WORD  )&(a);
      tab[1] = (WORD  )&(b);
   }
   return(tab[n]);
}

static WORD   list[2] = { 0
,0
 };




static
WORD  inner(void)
{
   return(list[0]);
}




static
void  outer(void)
{
   a = inner();
}



void  r2_init(void)
{
   list[0] = (WORD  )&(b);
   list[1] = (WORD  )&(a);
}
