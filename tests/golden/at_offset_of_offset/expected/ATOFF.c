#include	 "builtin.h"

/* RAW BYTES */
static BYTE   k;

static union {
   BYTE   buf[8];

   struct {
      BYTE 	Offset1[(2)];
      WORD   w[3];
   } St1;

   struct {
      BYTE 	Offset1[(2)];
      WORD 	Offset2;
      BYTE   b;
   } St2;

   struct {
      BYTE 	Offset1[(2)];
      BYTE   c;
   } St3;

   struct {
      BYTE 	Offset1[(2)];
      WORD 	Offset2;
      WORD   d;
   } St4;
} Un1;



main()
{
   Un1.St2.b = 1;
   Un1.St3.c = Un1.St2.b;
   Un1.St4.d = Un1.St1.w[2];
   k = Un1.St3.c;
}


