#include	 "builtin.h"

static BYTE  fill(BYTE   c);


static BYTE   k;


main()
{
   k = fill(1);
}



typedef struct {
   BYTE tag;
   WORD x,y;
} StrucT1;




static
BYTE  fill(BYTE   c)
{
   static BYTE   msg[]  = { 'A','B'
 };
   static WORD   lo = 1
,hi = 2
;
   static StrucT1  cells[2];

   cells[0].tag = c;
   cells[1].x = lo;
   return(msg[0]);
}
