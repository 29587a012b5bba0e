#include	 "builtin.h"

#include <setjmp.h>
static jmp_buf  JMP_buf_restart;
static jmp_buf  JMP_buf_entry1;
static jmp_buf  JMP_buf_entry2;


static BYTE   n;



main()
{
   if (setjmp(JMP_buf_restart)) goto restart;
   if (setjmp(JMP_buf_entry1)) goto entry1;
   if (setjmp(JMP_buf_entry2)) goto entry2;
   restart:
   n = 0;
   entry1:
   n = n + 1;
   entry2:
   n = n + 2;
}



JMP_to_restart()
{
  longjmp(JMP_buf_restart, 1);
}



JMP_to_entry1()
{
  longjmp(JMP_buf_entry1, 1);
}



JMP_to_entry2()
{
  longjmp(JMP_buf_entry2, 1);
}


