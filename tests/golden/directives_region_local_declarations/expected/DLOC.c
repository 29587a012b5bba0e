#include	 "builtin.h"

static WORD  sum(BYTE   a);



#define widE	0XFF 

static WORD   total;


main()
{
   total = sum(3);
}






static
WORD  sum(BYTE   a)
{
   static BYTE   i;


#if  (widE)&1 
   static WORD   acc;


#else

   static BYTE   small;


#endif

   i = a;
   {
      static BYTE   j;


#if  (~widE)&1 
      static BYTE   k;


#endif

      j = i;
   }
   return(i);
}
