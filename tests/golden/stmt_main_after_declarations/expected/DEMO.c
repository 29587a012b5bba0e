#include	 "builtin.h"

/* COUNTERS */
static BYTE   count;
static WORD   total;

/* FIRST STATEMENT */


main()
{
   count = 1;
   total = count;
   /* DONE */
}


