#include	 "builtin.h"

extern BYTE   buf[4];



main()
{
   (*(WORD *)buf) = 1;
   (*(BYTE *)&(buf[2])) = (*(WORD *)buf);
}


