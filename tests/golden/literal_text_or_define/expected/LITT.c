#include	 "builtin.h"


#define	NINE	9
static BYTE   buf[10];
static WORD   tab[NINE];
static WORD   n;
static BYTE   c;



main()
{
   n = 10 + (6);
   buf[NINE - 1] = c;
   tab[NINE - 1] = n * NINE;
   if ( c == NINE )
      n = NINE - 1;
}


