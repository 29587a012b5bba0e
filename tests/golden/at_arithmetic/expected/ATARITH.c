#include	 "builtin.h"

static BYTE   buf[4];
static BYTE   port;
static WORD   w;
static BYTE   v;



main()
{
   port = w + v;
}


