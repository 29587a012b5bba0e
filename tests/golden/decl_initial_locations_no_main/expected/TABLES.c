#include	 "builtin.h"

void  tables_init();


BYTE   x,y;
WORD   ptrs[2] = { 0
,0
 };






void  tables_init()
{
   ptrs[0] = (WORD  )&(x);
   ptrs[1] = (WORD  )&(y);
}
