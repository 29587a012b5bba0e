#include	 "builtin.h"


typedef struct {
   BYTE key;
   WORD val[4];
} StrucT1;

typedef struct {
   INTEGER x;
   INTEGER y;
} StrucT2;

typedef struct {
   BYTE a,b;
   /* FLAGS */
   BYTE f[3];
} StrucT3;
static StrucT1  rec;
static StrucT2  p1,p2;
static StrucT3  list[2];



