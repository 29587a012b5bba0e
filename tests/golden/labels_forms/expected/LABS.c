#include	 "builtin.h"

static BYTE  check(BYTE   v);


static BYTE   n;


main()
{
   n = 0;
   retry:
   n = n + 1;
   if ( n < 3 )
      goto retry;
   if ( check(n) == 0 )
      JMP_to_failExit();
   goto finish;
finish: ;
}






static
BYTE  check(BYTE   v)
{

   if ( v == 0 )
      goto zero;
   return(1);
   zero:
   return(0);
}
