#include	 "builtin.h"

static void  p1(void);


static BYTE   c;
static BYTE   *pt[2];
static WORD   wt[2];



main()
{
   ( *((PROC_ptr)(unsigned long)pt[c]) ) ();
   ( *((PROC_ptr)(unsigned long)wt[1]) ) ();
}






static
void  p1(void)
{
}
