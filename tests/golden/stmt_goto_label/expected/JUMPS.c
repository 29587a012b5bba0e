#include	 "builtin.h"

static BYTE   n;



main()
{
   n = 0;
   again:
   n = n + 1;
   if ( n < 10 )
      goto again;
   if ( n < 20 )
      goto again;
   goto done;
   done:
   n = 0;
}


