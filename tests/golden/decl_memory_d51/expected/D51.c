#include	 "builtin.h"

static BYTE   a;
static BYTE  code t[3] = { 1
,2
,3
 };
static BYTE   u = 5
;
static WORD  code k = 9
;
static WORD  xdata v;
static INTEGER   w = 4
;



