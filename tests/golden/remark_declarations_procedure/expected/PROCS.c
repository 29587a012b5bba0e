#include	 "builtin.h"

static void  add(BYTE   v);
static void  clear(void);


static WORD   total;


main()
{
   clear();
   add(2);
}






/* adds one value */
static
void  add(/* the value to add */
BYTE   v)
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
void  clear(void)
{
   /* nothing declared here */
   total = 0;
}
