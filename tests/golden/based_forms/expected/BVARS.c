#include	 "builtin.h"


typedef struct {
   BYTE len;
   WORD val;
} rec;

typedef struct {
   WORD tag;
} hdr;

typedef struct {
   POINTER ptr;
   BYTE n;
} StrucT1;
static WORD   *p;
static BYTE   *q;
static rec  *s;
static StrucT1  box;
static BYTE   i;



main()
{
   *p = 5;
   *((BYTE    *)p) = 1;
   q[3] = *((BYTE    *)p);
   ((BYTE    *)p)[i] = q[i];
   s->len = 2;
   ((hdr *)s)->tag = s->val;
   *((WORD    *)box.ptr) = 7;
   *((BYTE    *)box.ptr) = box.n;
   keep(p,q,&(q[3]),s);
}


