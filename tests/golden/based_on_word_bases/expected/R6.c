#include	 "builtin.h"


typedef struct {
   WORD p;
   POINTER q;
} StrucT1;
static WORD   w;
static StrucT1  s;



main()
{
   *((BYTE    *)w) = 1;
   ((BYTE    *)w)[2] = 3;
   *((BYTE    *)s.p) = 2;
   *((WORD    *)s.q) = 4;
}


