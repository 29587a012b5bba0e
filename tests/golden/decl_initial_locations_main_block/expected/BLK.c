#include	 "builtin.h"

static WORD   w;



main()
{
   {
      static WORD   ma[2] = { 0
,5
 };

      static BYTE   initial_locations_stored;
      if (!initial_locations_stored) {
         initial_locations_stored = 1;
         ma[0] = (WORD  )&(w);
      }
      w = ma[1];
   }
}


