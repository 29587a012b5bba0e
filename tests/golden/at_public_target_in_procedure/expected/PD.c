#include	 "builtin.h"

static BYTE  g(void);



union {
   WORD   w;
   BYTE   l;
} Un_w;



main()
{
   Un_w.l = g();
}






static
BYTE  g(void)
{
   return(Un_w.l + Un_w.w);
}
