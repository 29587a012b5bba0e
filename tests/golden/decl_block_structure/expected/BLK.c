#include	 "builtin.h"

static BYTE   a;



main()
{
   a = 1;
   {

      typedef struct {
         BYTE x;
         BYTE y;
      } StrucT1;
      static StrucT1  p;
      static WORD   u = 5
,v;

      p.x = a;
      u = v;
   }
}


