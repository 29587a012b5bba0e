#include	 "builtin.h"


static union {
   BYTE   st[6];

   struct {
      BYTE 	Offset1[(2)];
      BYTE   sx;
   } St1;
} Un1 = { { 'H','E','L','L','O'
,0
 } };



main()
{
   Un1.St1.sx = 1;
}


