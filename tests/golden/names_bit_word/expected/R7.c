#include	 "builtin.h"

static BYTE  setBit(BYTE   bit);


static BYTE   bit;
static BYTE   mask[8];


main()
{
   bit = 3;
   mask[bit] = setBit(bit);
}






static
BYTE  setBit(BYTE   bit)
{

   return(mask[bit]);
}
