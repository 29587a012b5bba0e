typedef void   (*PROC_ptr)();
typedef unsigned char  BYTE;
typedef unsigned short WORD;
typedef unsigned long  DWORD;
typedef short   INTEGER;
typedef float   REAL;
typedef char *  POINTER;


extern BYTE  absOld();
extern BYTE  absB();
extern WORD  absW();
extern DWORD  absD();
extern INTEGER  absI();
extern REAL  absR();
extern WORD  absP();
extern DWORD  dbl();
extern BYTE  lowW();
extern BYTE  highW();
extern POINTER  movB();
