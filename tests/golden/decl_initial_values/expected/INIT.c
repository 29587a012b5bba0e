#include	 "builtin.h"

static WORD   limit = 500
;
static BYTE   table[3] = { 1
,2
,3
 };
static BYTE   msg[]  = { 'O','K'
 };
static WORD   lo = 7
,hi;
INTEGER   shared =  - 5
;
static BYTE   key = 0Xff
;
static REAL   scale = 2.5
;



