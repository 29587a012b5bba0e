#include	 "builtin.h"

static BYTE   msg[]  = { 'I','T','\'','S'
 };
static BYTE   x;



main()
{
   x = '?';
   x = '\'';
}


