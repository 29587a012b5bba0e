#include	 "builtin.h"

static void  emit(void);
static void  a(void);
static void  b_emit(BYTE   x);
static void  b(void);




main()
{
   a();
   b();
}






static
void  emit(void)
{
}




static
void  a(void)
{
   emit();
}




static
void  b_emit(BYTE   x)
{

}




static
void  b(void)
{
   b_emit(1);
}
