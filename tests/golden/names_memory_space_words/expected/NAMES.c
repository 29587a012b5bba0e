#include	 "builtin.h"

BYTE  Main(void);


static BYTE   Register,idata;
static WORD   auxiliary;


main()
{
   auxiliary = Main();
   idata = 1;
}






BYTE  Main(void)
{
   return(Register + idata);
}
