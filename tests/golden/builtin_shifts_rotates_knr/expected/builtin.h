typedef void   (*PROC_ptr)();
typedef unsigned char  BYTE;
typedef unsigned short WORD;
typedef unsigned long  DWORD;
typedef short   INTEGER;
typedef float   REAL;
typedef char *  POINTER;


extern BYTE 
lowB();
extern BYTE 
lowW();
extern BYTE 
lowI();
extern WORD 
lowD();
extern BYTE 
highB();
extern BYTE 
highW();
extern BYTE 
highI();
extern WORD 
highD();
extern WORD 
doubleB();
extern DWORD 
doubleW();
extern BYTE 
shlB();
extern WORD 
shlW();
extern DWORD 
shlD();
extern BYTE 
shrB();
extern WORD 
shrW();
extern DWORD 
shrD();
extern BYTE 
rolB();
extern WORD 
rolW();
extern DWORD 
rolD();
extern BYTE 
rorB();
extern WORD 
rorW();
extern DWORD 
rorD();
extern BYTE 
sclB();
extern WORD 
sclW();
extern DWORD 
sclD();
extern BYTE 
scrB();
extern WORD 
scrW();
extern DWORD 
scrD();
extern INTEGER 
salI();
extern INTEGER 
salW();
extern INTEGER 
sarI();
extern INTEGER 
sarW();
extern REAL 
absR();
extern INTEGER 
iabsI();
extern INTEGER 
iabsW();
extern INTEGER 
fixR();
extern REAL 
floatI();
extern REAL 
floatW();
extern INTEGER 
intW();
extern INTEGER 
signedB();
extern INTEGER 
signedW();
extern WORD 
unsignI();
extern WORD 
unsignW();
extern BYTE 
decB();
extern BYTE 
decW();
extern WORD 
movb();
extern WORD 
movw();
extern WORD 
movrb();
extern WORD 
movrw();
extern WORD 
cmpb();
extern WORD 
cmpw();
extern WORD 
findb();
extern WORD 
findw();
extern WORD 
findrb();
extern WORD 
findrw();
extern WORD 
skipb();
extern WORD 
skipw();
extern WORD 
skiprb();
extern WORD 
skiprw();
extern WORD 
setb();
extern WORD 
setw();
extern WORD 
xlat();
extern BYTE 
lockset();
extern WORD 
moveB();
extern WORD 
moveW();
extern WORD 
timeB();
extern WORD 
timeW();
extern BYTE 
inputB();
extern BYTE 
inputW();
extern WORD 
outputB();
extern WORD 
outputW();
extern WORD 
inwordB();
extern WORD 
inwordW();
extern WORD 
outwordB();
extern WORD 
outwordW();
