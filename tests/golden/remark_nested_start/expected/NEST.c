#include	 "builtin.h"

static BYTE   x;



main()
{
   x = 1;
   /* outer /  inner */
   x = 2;
   /* first line
   /  second line
   third /  line */
   x = 3;
   /* ends at / */
   x = 4;
}


