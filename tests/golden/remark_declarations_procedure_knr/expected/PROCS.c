#include	 "builtin.h"

static void add();
static void clear();


static WORD   total;


main()
{
   clear();
   add(2);
}






/* adds one value */
static
void 
add(v)
/* the value to add */
BYTE   v;
{
   /* a local copy,
      kept static */
   static BYTE   copy;

   copy = v;
   total = total + copy;
}




/* between the two
   procedures */
static
void 
clear()
{
   /* nothing declared here */
   total = 0;
}
