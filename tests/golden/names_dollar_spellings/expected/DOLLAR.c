#include	 "builtin.h"

static BYTE  addOne(BYTE   value);



#define	TYPEBIT	0X7

typedef struct {
   BYTE lenField;
   WORD nextPtr;
} rec;
static BYTE   itemCount;
static rec  r;


main()
{
   itemCount = addOne(TYPEBIT) & TYPEBIT;
   r.lenField = itemCount;
   goto doneHere;
doneHere: ;
}






static
BYTE  addOne(BYTE   value)
{

   return(value + 1);
}
