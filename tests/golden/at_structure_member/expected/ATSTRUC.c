#include	 "builtin.h"


typedef struct {
   BYTE tag;
   WORD lo[2],hi[2];
   BYTE name[4];
   POINTER addr;
} StrucT1;

typedef struct {
   BYTE k;
   WORD v;
} StrucT2;
static BYTE   t;

static union {
   StrucT1  rec;

   struct {
      BYTE 	Offset1;
      WORD 	Offset2[(2)];
      WORD 	Offset3[(2)];
      BYTE   name1;
   } St1;

   struct {
      BYTE 	Offset1;
      WORD 	Offset2[(2)];
      WORD 	Offset3[(2)];
      BYTE 	Offset4[(3)];
      BYTE   final;
   } St2;
} Un1;

static union {
   StrucT2  tbl[3];

   struct {
      BYTE 	Offset1;
      WORD 	Offset2;
      BYTE 	Offset3;
      WORD   v1;
   } St3;
} Un2;



main()
{
   t = Un1.St1.name1 + Un1.St2.final;
   Un2.St3.v1 = Un1.rec.tag;
   t = Un2.tbl[2].k;
}


