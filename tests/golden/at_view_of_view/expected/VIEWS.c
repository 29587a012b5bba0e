#include	 "builtin.h"

static void  item(void);



typedef struct {
   BYTE kind;
   WORD offset;
   WORD segment;
} opstruc;
extern WORD   w;
extern BYTE   buf[8];
extern opstruc  operands[4];


main()
{
   (*(WORD *)&(w)) = 2;
   (*(BYTE *)&(w)) = 1;
   (*(BYTE *)buf) = (*(WORD *)((BYTE *)buf + sizeof(WORD )));
   (*(BYTE *)((BYTE *)&(buf[2]) + (sizeof(WORD )) * (2))) = ((WORD *)buf)[1];
   item();
}






static
void  item(void)
{
   (*(BYTE *)((BYTE *)&(operands[1]) + sizeof(BYTE ))) = (*(BYTE *)((BYTE *)&(operands[1]) + sizeof(BYTE ) + sizeof(WORD )));
   (*(opstruc *)&(operands[1])).kind = (*(BYTE *)((BYTE *)buf + sizeof(WORD ) + sizeof(BYTE )));
}
