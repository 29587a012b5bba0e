#include	 "builtin.h"


#define	N	2
static BYTE   a = 1
,b = 2
,c;
static BYTE   s[N + 1] = { 'A','B'
,'C'
 },t[N + 1] = { 'D','E'
,'F'
 };
static WORD   p[2] = { 1
,2
 },q[2] = { 3
,4
 };



