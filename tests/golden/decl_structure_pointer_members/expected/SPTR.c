#include	 "builtin.h"


#define	N	3

typedef struct {
   POINTER next,prev;
   WORD key[N];
} StrucT1;
static StrucT1  node[N];
static BYTE   *head;



main()
{
   head = (BYTE   *)node[0].next;
   node[1].key[2] = 5;
   node[2].prev = (char *)head;
}


