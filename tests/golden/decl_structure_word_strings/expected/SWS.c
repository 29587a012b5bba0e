#include	 "builtin.h"


typedef struct {
   WORD w;
   BYTE b;
   BYTE n[2];
} StrucT1;

typedef struct {
   WORD k;
   BYTE c[2];
} StrucT2;
static StrucT1  s = { (('A'<<8)|'B')
,1
,'C','D'
 };
static StrucT2  a[2] = { (('E'<<8)|'F')
,'G','H'
,(('I'<<8)|'J')
,'K','L'
 };



main()
{
   s.b = 1;
}


