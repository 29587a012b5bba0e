#include	 "builtin.h"


typedef struct {
   BYTE k;
   WORD m[4];
} StrucT1;
static BYTE   a[16],b[16];
static WORD   wa[8];
static StrucT1  s;
static BYTE   n,x;
static WORD   w;



main()
{
   movb(a,b,(sizeof(a) / sizeof(a[0])));
   movw(wa,s.m,(sizeof(s.m) / sizeof(s.m[0])));
   setb(0,a,sizeof(a));
   setw(0Xffff,wa,(sizeof(wa) / sizeof(wa[0]) - 1) + 1);
   w = cmpb(a,b,sizeof(a));
   w = findb(a,highW(w),(sizeof(a) / sizeof(a[0]) - 1));
   w = shlW((sizeof(wa) / sizeof(wa[0])),1);
   n = lowW(sizeof(s));
   a[lowW(w)] = highW(w);
   timeW(10);
   timeB(n);
   x = inputB(n);
}


