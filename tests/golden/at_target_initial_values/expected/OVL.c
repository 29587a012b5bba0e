#include	 "builtin.h"

void  ovl_init(void);



typedef struct {
   BYTE tag;
   WORD n;
} StrucT1;
static BYTE   b;

static union {
   BYTE   name[4];

   struct {
      BYTE 	Offset1;
      BYTE   second;
   } St1;
} Un1 = { { 'A','B','$'
,0
 } };

static union {
   WORD   w;
   BYTE   lo;
} Un2 = { 0X1234
 };

static union {
   StrucT1  rec;
   BYTE   t;
} Un3 = { { 7
,300
 } };

static union {
   WORD   ptrs[2];
   BYTE   p0;
} Un4 = { { 0
,0
 } };



main()
{
   ovl_init();
   b = Un1.St1.second + Un2.lo + Un3.t + Un4.p0;
}





void  ovl_init(void)
{
   Un4.ptrs[0] = (WORD  )&(Un2.w);
}
