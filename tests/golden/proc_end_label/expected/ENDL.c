#include	 "builtin.h"

static void  scan(BYTE   limit);
static BYTE  pick(void);


static BYTE   k,found;


main()
{
   k = pick();
   scan(10);
}






static
void  scan(BYTE   limit)
{
   static BYTE   i;

   found = 1;
   for ( i = 0 ; i <= limit ; i += 1 ) {
      if ( i == k )
         goto done;
   }
   found = 0;
   return;
done: ;
}




static
BYTE  pick(void)
{
   if ( k > 5 )
      return(k);
   return(5);
}
