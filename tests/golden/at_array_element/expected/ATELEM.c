#include	 "builtin.h"

static BYTE   n;

static union {
   BYTE   buf[10];

   struct {
      BYTE 	Offset1[(4)];
      WORD   len;
   } St1;

   struct {
      BYTE 	Offset1[(0Xa)];
      BYTE   tail;
   } St2;
} Un1;

static union {
   WORD   pair[2];

   struct {
      WORD 	Offset1;
      BYTE   hi;
   } St3;
} Un2;



main()
{
   Un1.St1.len = 5;
   n = Un1.St2.tail + Un2.St3.hi;
   Un1.buf[0] = n;
}


