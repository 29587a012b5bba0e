typedef void   (*PROC_ptr)();
typedef unsigned char  BYTE;
typedef unsigned short WORD;
typedef unsigned long  DWORD;
typedef short   INTEGER;
typedef float   REAL;
typedef char *  POINTER;
typedef unsigned char  BIT;


extern BIT  absT(BIT, ...);
extern REAL  absR(REAL, ...);
extern BYTE  absB(BYTE, ...);
