#include	 "builtin.h"

/* its last index */

#define	LAST	7
/* first member */

typedef struct {
   BYTE key;
   /* second member */
   WORD val;
} StrucT1;
/* the counter */
static BYTE   count;
/* a factored pair */
static WORD   lo,hi;
/* the table
   of eight */
static BYTE   tbl[8];
static StrucT1  rec;

/* first statement */


main()
{
   count = LAST;
}


