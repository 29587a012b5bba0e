#include	 "builtin.h"

static BYTE   b,n;
static WORD   w;
static DWORD   d;
static INTEGER   i;



main()
{
   b = shlB(b,1);
   w = shlW(w,n);
   d = shlD(d,4);
   w = shrW(1,3);
   w = shrW(b + 1,n);
   b = rolB(b,1);
   w = rorW(w,8);
   d = rolD(d,1) + rorD(d,1);
   b = sclB(b,1);
   w = scrW(w,1);
   i = salI(i,2);
   i = sarW(w,1);
   i = sarI(i,n) + sal(b,1);
   b = shrB(shlB(b,2),1);
   w = shlB(rolB(b,1),1);
   w = shl(i,1);
}


