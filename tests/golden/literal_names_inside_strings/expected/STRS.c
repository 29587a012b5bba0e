#include	 "builtin.h"

static BYTE   text[]  = { '"','D','O','N','E','"',' ','K'
,0
 };
static BYTE   *p;
static BYTE   c;



main()
{
   p =  (BYTE *)"/* K */\000" ;
   c = 'K';
   p =  (BYTE *)"DONE\000" ;
   p =  (BYTE *)"*/" ;
}


