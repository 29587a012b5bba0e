#include	 "builtin.h"

static BYTE   a,b,c;
static BYTE   *p;



main()
{
   a = b = 0;
   a = b = c + 1;
   ( *((PROC_ptr)(unsigned long)p) ) ();
   ( *((PROC_ptr)(unsigned long)p) ) (a,1);
   ENABLE();
   DISABLE();
   causeInterrupt(3);
   ;
   exit(0);
   return(a + 1);
   return 0;
}


