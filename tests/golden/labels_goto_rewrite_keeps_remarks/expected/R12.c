#include	 "builtin.h"

static void  fail(void);
#include <setjmp.h>
static jmp_buf  JMP_buf_error;


static BYTE   n;


main()
{
   if (setjmp(JMP_buf_error)) goto error;
   error:
   n = 0;
}



JMP_to_error()
{
  longjmp(JMP_buf_error, 1);
}






static
void  fail(void)
{
   n = n + 1;
   /* was:
   goto error;
   */
   JMP_to_error();
}
