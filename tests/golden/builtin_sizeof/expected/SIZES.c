#include	 "builtin.h"


typedef struct {
   BYTE k;
   WORD m[4];
} StrucT1;

typedef struct {
   BYTE k;
   WORD m[4];
} StrucT2;

typedef struct {
   BYTE k;
   WORD m[4];
} StrucT3;

typedef struct {
   BYTE k;
   WORD m[4];
} StrucT4;
static WORD   w;
static BYTE   buf[10];
static StrucT1  s;
static StrucT2  t[3];
static WORD   *p;
static StrucT3  *q;
static StrucT4  *x;



main()
{
   w = sizeof(__STDC__);
   w = length(__STDC__);
   w = last(__STDC__);
   w = sizeof(w);
   w = sizeof(buf);
   w = sizeof(buf[2]);
   w = (sizeof(buf) / sizeof(buf[0]));
   w = (sizeof(buf) / sizeof(buf[0]) - 1);
   w = sizeof(s);
   w = sizeof(s.k);
   w = sizeof(s.m);
   w = (sizeof(s.m) / sizeof(s.m[0]));
   w = (sizeof(s.m) / sizeof(s.m[0]) - 1);
   w = sizeof(t);
   w = sizeof(t[1]);
   w = (sizeof(t) / sizeof(t[0]));
   w = sizeof(t[0].k);
   w = sizeof(t[1].m);
   w = (sizeof(t[0].m) / sizeof(t[0].m[0]));
   w = (sizeof(t[1].m) / sizeof(t[1].m[0]));
   w = (sizeof(t[0].m) / sizeof(t[0].m[0]) - 1);
   w = ((8) * sizeof(*p));
   w = sizeof(p[2]);
   w = (8);
   w = (8 - 1);
   w = sizeof(*((BYTE    *)p));
   w = sizeof(*q);
   w = sizeof(q->k);
   w = (sizeof(q->m) / sizeof(q->m[0]));
   w = ((3) * sizeof(*x));
   w = sizeof(x[0].k);
   w = sizeof(x[1].m);
   w = (3);
   w = (3 - 1);
}


