#include	 "builtin.h"

static POINTER  find(WORD   key);
static POINTER  atA(void);
static POINTER  whereFind(void);



typedef struct {
   POINTER next;
   WORD val;
} StrucT1;
static BYTE   *head;
static StrucT1  *np;
static WORD   sum,a;


main()
{
   np = (StrucT1  *)find(2);
   sum = np->val;
   head = (BYTE   *)np->next;
   sum = *((BYTE    *)np->next);
}






static
POINTER  find(WORD   key)
{

   np = (StrucT1  *)head;
   while(np != 0) {
      if ( np->val == key )
         return((POINTER)np);
      np = (StrucT1  *)np->next;
   }
   return(0);
}




static
POINTER  atA(void)
{
   return((POINTER)&(a) + 1);
}




static
POINTER  whereFind(void)
{
   return((POINTER)(unsigned long)find);
}
