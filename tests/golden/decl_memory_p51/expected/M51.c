#include	 "builtin.h"


typedef struct {
   BYTE x;
} StrucT1;
static BYTE  data a;
static WORD  xdata b;
static BYTE  data c;
static BYTE  idata d[4];
static BYTE  data e;
static BIT  data f;
static BYTE  data g = 7
;
static BYTE  xdata *p;
static StrucT1 idata s;
extern WORD  data t;



