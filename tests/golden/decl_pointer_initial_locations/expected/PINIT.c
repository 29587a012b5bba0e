#include	 "builtin.h"

static void  p0(void);



typedef struct {
   BYTE a;
   WORD b;
} StrucT1;
static WORD   w;
static WORD   wa[4];
static BYTE   buf[4];
static StrucT1  s;

typedef struct {
   BYTE a;
   WORD b;
} StrucT2;
static BYTE   *tab[4] = { (BYTE   *)&(w),(BYTE   *)&(wa[2
]),(BYTE   *)(unsigned long)p0,buf };
static StrucT2  *ps = (StrucT2  *)&(s);
static WORD   *pw = (WORD   *)buf;
static BYTE   *p;



main()
{
   p = (BYTE   *)(unsigned long)p0;
}






static
void  p0(void)
{
}
