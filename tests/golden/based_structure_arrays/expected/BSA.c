#include	 "builtin.h"


typedef struct {
   BYTE key;
   WORD val;
} StrucT1;

typedef struct {
   BYTE lo;
   BYTE hi;
} StrucT2;

typedef struct {
   BYTE len;
   BYTE buf[8];
} StrucT3;
static StrucT1  *p;
static StrucT3  *q;
static BYTE   i;



main()
{
   p[i].key = q->buf[i];
   ((StrucT2 *)p)[i].hi = p[2].key;
   q->len = ((StrucT2 *)p)[1].lo;
   use(p,&(p[3]),&(p[i].val),q,q->buf,&(q->buf[2]),&(q->len));
}


