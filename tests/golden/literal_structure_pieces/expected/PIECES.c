#include	 "builtin.h"


typedef struct {
   WORD n;
   BYTE l;
   BYTE a[2];
} op2;
static op2  test;



main()
{
   test.l = 1;
}


