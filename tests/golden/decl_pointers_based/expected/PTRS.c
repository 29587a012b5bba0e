#include	 "builtin.h"


typedef struct {
   BYTE len;
   WORD val;
} StrucT1;
static BYTE   *p;
static WORD   *q;
/* WORD VIEW */
static BYTE   *r;
static INTEGER   *s;
static StrucT1  *t;



