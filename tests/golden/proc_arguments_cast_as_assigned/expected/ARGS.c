#include	 "builtin.h"

static void  store(WORD   a, BYTE   *p);
static WORD  fetch(WORD   a);


static BYTE   buf[4];
static WORD   wa[2];
static WORD   w;
static REAL   r;
static BYTE   *ptr;


main()
{
   store((WORD  )buf,(BYTE   *)&(r));
   store((WORD  )wa + 2,ptr);
   w = fetch((WORD  )&(w)) + fetch(w);
   store((WORD  )ptr,(BYTE   *)&(buf[1]));
   store((WORD  ) (BYTE *)"AB\000" , (BYTE *)"CD" );
   w = (WORD  ) (BYTE *)"XY" ;
}






static
void  store(WORD   a, BYTE   *p)
{

   return;
}




static
WORD  fetch(WORD   a)
{

   return(a);
}
