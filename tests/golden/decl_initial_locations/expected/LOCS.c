#include	 "builtin.h"

void  locs_init(void);



typedef struct {
   WORD next;
   BYTE tag[2];
   WORD link;
} node;
static BYTE   a;
static node  first = { 0
,'A','B'
,0
 };
static node  second = { 0
,'C','D'
,0
 };
static WORD   tab[]  = { 0
,5
,0
 };
static BYTE   *p = &(a);



main()
{
   locs_init();
   a = 1;
}





void  locs_init(void)
{
   first.link = (WORD  )&(a);
   second.next = (WORD  )&(first);
   second.link = (WORD  )&(a);
   tab[0] = (WORD  )&(a);
   tab[2] = (WORD  )&(first);
}
