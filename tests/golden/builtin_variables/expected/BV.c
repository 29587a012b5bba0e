#include	 "builtin.h"

extern BYTE   memory[];
extern WORD   stackptr;


static WORD   save;



main()
{
   save = stackptr;
   stackptr = save;
   memory[2] = ((BYTE *)memory)[0];
}


