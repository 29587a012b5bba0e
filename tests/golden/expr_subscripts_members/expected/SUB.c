#include	 "builtin.h"


typedef struct {
   WORD m[4];
   BYTE k;
} StrucT1;

typedef struct {
   WORD m[4];
   BYTE k;
} StrucT2;
static BYTE   i,j,x,y;
static BYTE   a[10];
static BYTE   b[10];
static BYTE   c[10];
static StrucT1  s;
static StrucT2  t[3];



main()
{
   a[b[c[1]]] = 2;
   s.m[i + 1] = t[i].m[j - 1];
   t[a[i]].k = s.k + t[2].m[3];
   x = a[(x < y ? 0Xffff : 0X0)];
   x = a[i & j] + b[~i];
   if ( (a[i])&1 )
      x = 1;
   if ( (a[i])&1 && b[j] < 3 )
      x = 2;
   if ( (s.k)&1 || (t[i].k)&1 )
      x = 3;
   x = y = a[i] = b[j] + 1;
   x = shrB(a[i],1) + shlW(s.m[1],2);
}


