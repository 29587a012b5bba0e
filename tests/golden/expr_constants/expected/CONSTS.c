#include	 "builtin.h"

static BYTE   b,c;
static WORD   w;
static INTEGER   i;
static REAL   r;



main()
{
   w = 0Xffff;
   w = 0X12a;
   w = 017;
   b = 05;
   w = 1000;
   w = 70000;
   b = 0;
   b = 00;
   w = 19;
   r = 2.0;
   r = 1500.0;
   r = 0.25;
   i =  - 1;
   w = b % 3 + c * 2 - (b + 1) / 2;
}


