#include	 "builtin.h"

static WORD  store(WORD   n);
void  later_init(void);



typedef struct {
   WORD x;
   WORD ws[2];
} StrucT1;
static BYTE   buf[4];
static BYTE   a;
static WORD   w,v;
static StrucT1  rec;
static WORD   t[2] = { 0
,0
 };


main()
{
   later_init();
   w = 2 + (WORD  )buf;
   w = ((WORD  )&(buf[1]) + 3) & 0Xff00;
   rec.x = (WORD  )buf;
   rec.ws[1] = w + (WORD  )&(a);
   v = store(1 + (WORD  )&(a));
   w = (v = (WORD  )&(a));
   v = 1 + (w = 2 + (WORD  )buf);
   if ( (v = (WORD  )buf) == 0 )
      w = 1;
}






static
WORD  store(WORD   n)
{

   return(n + (WORD  )buf);
}



void  later_init(void)
{
   t[1] = (WORD  )2 + (WORD  )&(a);
}
