#include	 "builtin.h"

static BYTE   count;
WORD   limit;
INTEGER   lo,hi;
extern DWORD   ticks;
extern BYTE   names[] ;
extern WORD   table[8];

/* NO STATEMENTS */


