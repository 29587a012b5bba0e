#include	 "builtin.h"

static void  step(void);
static void  tally(BYTE   n);


static BYTE   count;
static WORD   limit,tally_limit;


main()
{
   count = 1;
   limit = 2;
   tally_limit = limit;
   tally(count);
}



static BYTE   tally_n;
static WORD   tally_count;
static BYTE   tally_limit_2;




static
void  step(void)
{
   tally_count = tally_count + tally_n;
   tally_limit_2 = tally_limit_2 - 1;
}




static
void  tally(BYTE   n)
{

   tally_n = n;
   tally_count = 0;
   tally_limit_2 = 10;
   while(tally_limit_2 > 0) {
      step();
   }
}
