#include	 "builtin.h"

static void  p(void);



typedef struct {
   BYTE opcode;
   WORD target;
} StrucT1;
static StrucT1  jump = { 0Xc3
,0
 - 3
 };
static WORD   again = 0
;
static WORD   w;


main()
{
   start:
   w = 1;
   retry:
   p();
}






static
void  p(void)
{
   static BYTE   retry;

   w = (WORD  )&(retry);
}
