#include	 "builtin.h"

static BYTE   n;



main()
{
   restart:
   n = 0;
   entry1:
   n = n + 1;
   entry2:
   n = n + 2;
}



JMP_to_restart()
{
  goto restart;
}



JMP_to_entry1()
{
  goto entry1;
}



JMP_to_entry2()
{
  goto entry2;
}


