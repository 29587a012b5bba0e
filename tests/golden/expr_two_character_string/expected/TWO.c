#include	 "builtin.h"

static WORD   w;



main()
{
   if ( w == (('Y'<<8)|'B') )
      w = (('O'<<8)|'W');
}


