#include	 "builtin.h"

static WORD   vec;
static BYTE   *p;



main()
{
   vec = 0;
   ( *((PROC_ptr)(unsigned long)vec) ) ();
   ( *((PROC_ptr)(unsigned long)p) ) ();
}


