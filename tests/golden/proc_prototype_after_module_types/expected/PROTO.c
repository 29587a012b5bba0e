#include	 "builtin.h"

static void  bump(void);
typedef struct {
   POINTER next;
   WORD val;
} StrucT1;
static void  walk(StrucT1  *hp);



typedef struct {
   BYTE len;
   WORD sz;
} rec;
static rec  r;
static WORD   total;
static void  setsz(rec  *p, WORD   n);


main()
{
   setsz((rec  *)&(r),5);
   walk((StrucT1  *)&(r));
}






static
void  setsz(rec  *p, WORD   n)
{

   p->sz = n;
}


static StrucT1  *walk_hp;




static
void  bump(void)
{
   total = total + 1;
}




static
void  walk(StrucT1  *hp)
{

   walk_hp = hp;
   total = walk_hp->val;
   bump();
}
