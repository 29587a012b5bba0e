#include	 "builtin.h"

static void  fail(void);
#include <setjmp.h>
static jmp_buf  JMP_buf_error;
static void  local(void);


static BYTE   n;


main()
{
   if (setjmp(JMP_buf_error)) goto error;
   n = 0;
   local();
   error:
   if ( n < 13 )
      fail();
}



JMP_to_error()
{
  longjmp(JMP_buf_error, 1);
}






static
void  fail(void)
{
   n = n + 1;
   JMP_to_error();
}




static
void  local(void)
{
   goto done;
   n = 0;
   done:
   n = n + 10;
}
