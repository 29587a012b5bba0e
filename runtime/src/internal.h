/* Helpers shared by the runtime's sources; not part of its interface. */
#ifndef XLATR_RUNTIME_INTERNAL_H
#define XLATR_RUNTIME_INTERNAL_H

#define XLATR_BYTE_MASK 0xFFUL
#define XLATR_WORD_MASK 0xFFFFUL
#define XLATR_DWORD_MASK 0xFFFFFFFFUL

/* The low 16 bits of bits read as a two's complement INTEGER. */
int xlatr_integer_of(unsigned long bits);

#endif
