#include	 "builtin.h"

static BYTE   b,c;
static WORD   w;
static DWORD   d;
static REAL   r;



main()
{
   w = 255 + 256;
   w = 65535;
   w = 65536;
   d = 65537;
   d = 4294967295;
   d = 0;
   w = 0Xffff;
   w = 0Xabcd;
   w = 0X10000;
   w = 05;
   w = 077;
   w = 0177777;
   w = 0200000;
   w = 12;
   r = 10.5;
   r = 100000.0;
   r = 0.25;
   r = 1e+20;
   r = 123456789.0;
   r = 0.5 + 0.1;
   if ( r < 0.001 )
      r = 0.0;
   b = 'A';
   b = '7';
   c = b + 'Z' - 'A';
}


