#include	 "builtin.h"


#define	BUFLEN	8

#define	BITS	012

#define	PERMS	017

#define	MASK	0Xff

#define	TOPBIT	0X8000

#define	TWO	2.0

#define	BIG	100000.0

#define	RATE	1.5

#define	LIMIT	100
static BYTE   buf[BUFLEN];
static WORD   w = TOPBIT;
static BYTE   n,b;
static REAL   r;



main()
{
   n = 0;
   b = BITS | PERMS;
   w = w & MASK;
   r = TWO * BIG + RATE;
   while((!(n >= LIMIT))&1) {
      buf[n & 7] = n;
      n = n + 1;
   }
}


