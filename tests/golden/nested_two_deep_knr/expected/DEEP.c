#include	 "builtin.h"

static BYTE outer();
static void mid();
static void inner();


static BYTE   g,h;
static WORD   w;


main()
{
   h = outer(g,w);
}



static BYTE   outer_a;
static WORD   outer_b;
static BYTE   s,t;

static BYTE   mid_x;
static WORD   k;




static
void 
inner()
{
   static BYTE   q;

   q = outer_a + mid_x;
   k = outer_b + w;
   s = q + g;
   t = mid_x;
}




static
void 
mid(x)
BYTE   x;
{

   mid_x = x;
   k = mid_x;
   inner();
}




static
BYTE 
outer(a,b)
BYTE   a;
WORD   b;
{
   static BYTE   u;

   outer_a = a;
   outer_b = b;
   u = outer_a;
   mid(u);
   return(s + t + u + h);
}
