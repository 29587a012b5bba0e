#include	 "builtin.h"

#include <setjmp.h>
static jmp_buf  JMP_buf_again;
static void  back(void);


static BYTE   n;


main()
{
   if (setjmp(JMP_buf_again)) goto again;
   again:
   if ( n < 3 )
      back();
}



JMP_to_again()
{
  longjmp(JMP_buf_again, 1);
}






static
void  back(void)
{
   n = n + 1;
   JMP_to_again();
}
