#include	 "builtin.h"

typedef struct {
   WORD year;
   BYTE month;
} StrucT1;
void  stamp(StrucT1  *ptr);


static WORD   w;


main()
{
   w = 1;
}







void  stamp(StrucT1  *ptr)
{

   ptr->year = 1;
}
