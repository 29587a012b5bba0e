#include	 "builtin.h"

static WORD   w = (('A'<<8)|'B')
;
static WORD   t[3] = { 1
,(('C'<<8)|'D')
,'E'
 };
static BYTE   b[3] = { 'F','G'
,'H'
 };



main()
{
   w = t[1];
}


