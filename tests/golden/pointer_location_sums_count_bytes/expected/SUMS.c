#include	 "builtin.h"


typedef struct {
   BYTE k;
   WORD v;
} StrucT1;

typedef struct {
   BYTE k;
   WORD v;
} StrucT2;
static WORD   wa[4];
static WORD   wb[4];
static BYTE   buf[4];
static BYTE   *p;
static WORD   *wp;
static StrucT1  tab[2];
static StrucT2  *ep;
static WORD   base;



main()
{
   wp = (WORD   *)((BYTE *)wa + 2);
   wp = (WORD   *)(buf + 2);
   ep = (StrucT2  *)((BYTE *)tab + 3);
   p = 2 + (BYTE *)wa;
   moveW(4,(BYTE *)wa + 4,wb);
   wp = (WORD   *)((BYTE *)wp + 2);
   moveW(2,base + 2,wb);
   if ( wp < wa + 4 )
      p = (BYTE   *)buf;
}


