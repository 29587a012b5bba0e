#include	 "builtin.h"


typedef struct {
   BYTE a;
   WORD b;
} s;
static s  v;



