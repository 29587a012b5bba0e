#include	 "builtin.h"


static union {
   BYTE   buf[12];
   BYTE   a[3];

   struct {
      BYTE 	Offset1[(3)];
      BYTE   b[3];
   } St1;
} Un1;

static union {
   DWORD   d;
   BYTE   h;

   struct {
      BYTE 	Offset1;
      BYTE   l;
   } St2;

   struct {
      BYTE 	Offset1[(2)];
      BYTE   u;
   } St3;
} Un2;



main()
{
   Un1.St1.b[0] = Un1.a[2];
   Un2.St3.u = Un2.h + Un2.St2.l;
}


