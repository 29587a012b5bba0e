#include	 "builtin.h"

static WORD  where(void);


static BYTE   buf[4];
static WORD   w;


main()
{
   w = where();
}






static
WORD  where(void)
{
   return((WORD  )buf);
}
