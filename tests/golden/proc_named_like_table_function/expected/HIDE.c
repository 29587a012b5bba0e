#include	 "builtin.h"

static BYTE  Xlat(BYTE   a);



#define	SETB	3
static WORD   setW;
static WORD   w;


main()
{
   setW = 5;
   w = setW + SETB + Xlat(1);
   movb(&(w),&(setW),2);
}






static
BYTE  Xlat(BYTE   a)
{

   return(a + 1);
}
