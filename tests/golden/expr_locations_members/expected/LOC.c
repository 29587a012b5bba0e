#include	 "builtin.h"


typedef struct {
   BYTE k;
   WORD m[4];
} StrucT1;

typedef struct {
   BYTE k;
   WORD m[4];
} StrucT2;
static BYTE   x;
static WORD   w;
static BYTE   a[8];
static StrucT1  s;
static StrucT2  t[3];
static BYTE   *p;
static BYTE   i;



main()
{
   movb(&(x),a,1);
   movb(&(a[3]),&(s),2);
   movb(&(s.k),s.m,3);
   movb(&(s.m[1]),t,4);
   movb(&(t[2]),&(t[2].k),5);
   movb(t[2].m,&(t[i + 1].m[i]),6);
   movb(p,&(p[i]),7);
   movb(&(w),&(p),8);
   p = (BYTE   *)&(x);
   p = (BYTE   *)s.m;
   w = (WORD  )&(t[1].k);
}


