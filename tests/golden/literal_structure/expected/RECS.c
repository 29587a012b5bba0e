#include	 "builtin.h"


typedef struct {
   INTEGER x;
   INTEGER y;
} point;

typedef struct {
   BYTE key;
   WORD val[4];
} rec;
static point  origin;
static point  a,b;
static rec  table[3];



main()
{
   origin.x = 0;
   a.y = origin.x;
   table[1].val[2] = table[0].key;
}


