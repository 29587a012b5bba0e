#include	 "builtin.h"


typedef struct {
   BYTE k;
   WORD v;
} StrucT1;
WORD   count;
extern INTEGER   limit;
extern BYTE   table[] ;
BYTE   lo,hi;
extern DWORD   xa,xb;
extern StrucT1  rec;
extern BYTE   *ptr;
static REAL   localv;



main()
{
   count = lo;
}


