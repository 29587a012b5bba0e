#include	 "builtin.h"

static BYTE  use(void);


static BYTE   i;

typedef struct {
   BYTE val[2];
} StrucT1;

typedef struct {
   BYTE x;
   BYTE y;
} StrucT2;
static StrucT1  tab[2] = { 1
,2
,3
,4
 };
static StrucT2  rec;



main()
{
   i = use();
}






static
BYTE  use(void)
{
   return(tab[i].val[1] + rec.x);
}
