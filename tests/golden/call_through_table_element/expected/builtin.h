typedef void   (*PROC_ptr)();
typedef unsigned char  BYTE;
typedef unsigned short WORD;
typedef unsigned long  DWORD;
typedef short   INTEGER;
typedef float   REAL;
typedef char *  POINTER;


