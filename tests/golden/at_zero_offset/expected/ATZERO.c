#include	 "builtin.h"


typedef struct {
   BYTE tag;
   BYTE body[4];
} StrucT1;

typedef struct {
   BYTE k[2];
   WORD v;
} StrucT2;

static union {
   BYTE   buf[4];
   BYTE   l;
   BYTE   m;

   struct {
      BYTE 	Offset1;
      BYTE   n;
   } St1;
} Un1;

static union {
   StrucT1  rec;

   struct {
      BYTE 	Offset1;
      BYTE   b0;
   } St2;
} Un2;

static union {
   StrucT2  tbl[3];
   BYTE   k0;
} Un3;



main()
{
   Un1.l = 1;
   Un1.m = Un1.l;
   Un1.St1.n = Un1.m;
   Un2.St2.b0 = Un2.rec.tag;
   Un3.k0 = Un2.St2.b0;
}


