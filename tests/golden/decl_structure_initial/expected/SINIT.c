#include	 "builtin.h"


typedef struct {
   WORD x;
   WORD y;
} StrucT1;

typedef struct {
   BYTE k;
   WORD v;
} StrucT2;
static StrucT1  pt = { 3
,4
 };
static StrucT2  tab[2] = { 1
,10
,2
,20
 };
static WORD   n;



main()
{
   n = pt.x + tab[1].v;
}


