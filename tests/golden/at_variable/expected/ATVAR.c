#include	 "builtin.h"

static BYTE   flag;
static BYTE   *p;

static union {
   WORD   count;
   /* BYTE VIEWS */
   BYTE   low;
   BYTE   bytes[2];
} Un1;



main()
{
   Un1.count = 258;
   flag = Un1.low + Un1.bytes[1];
   p = (BYTE   *)&(Un1.low);
   p = (BYTE   *)Un1.bytes;
}


