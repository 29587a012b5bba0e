#include	 "builtin.h"


union {
   WORD   status;
   BYTE   flags;

   struct {
      BYTE 	Offset1;
      BYTE   mode;
   } St1;
   BYTE   level;
} Un_mode;

static union {
   WORD   x;
   BYTE   y;
} Un2;



main()
{
   Un_mode.status = 0;
   Un_mode.St1.mode = Un_mode.flags;
   Un_mode.level = Un2.y;
}


