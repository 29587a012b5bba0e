/* The built-ins that work on blocks of bytes and words in memory. Words are
 * moved through memcpy, so a block needs no particular alignment. */
#include <string.h>

#include "internal.h"
#include "xlatr_runtime.h"

#define NOT_FOUND 0xFFFFU
#define WORD_SIZE sizeof(unsigned short)

typedef unsigned char byte;

static unsigned long count_of(xlatr_word_arg count) {
    return (unsigned long)count & XLATR_WORD_MASK;
}

static unsigned short word_at(const char* block, unsigned long index) {
    unsigned short word;
    memcpy(&word, block + index * WORD_SIZE, WORD_SIZE);
    return word;
}

static void put_word(char* block, unsigned long index, unsigned short word) {
    memcpy(block + index * WORD_SIZE, &word, WORD_SIZE);
}

static unsigned short byte_search(const char* block, int target, xlatr_word_arg count, int equal,
                                  int downwards) {
    unsigned long n = count_of(count);
    unsigned long step;
    byte wanted = (byte)((unsigned long)target & XLATR_BYTE_MASK);

    for (step = 0; step < n; ++step) {
        unsigned long index = downwards ? n - 1 - step : step;
        if ((((const byte*)block)[index] == wanted) == equal) return (unsigned short)index;
    }
    return NOT_FOUND;
}

static unsigned short word_search(const char* block, xlatr_word_arg target, xlatr_word_arg count, int equal,
                                  int downwards) {
    unsigned long n = count_of(count);
    unsigned long step;
    unsigned short wanted = (unsigned short)((unsigned long)target & XLATR_WORD_MASK);

    for (step = 0; step < n; ++step) {
        unsigned long index = downwards ? n - 1 - step : step;
        if ((word_at(block, index) == wanted) == equal) return (unsigned short)index;
    }
    return NOT_FOUND;
}

unsigned short movb(char* source, char* destination, xlatr_word_arg count) {
    unsigned long n = count_of(count);
    unsigned long i;
    for (i = 0; i < n; ++i)
        destination[i] = source[i];
    return 0;
}

unsigned short movrb(char* source, char* destination, xlatr_word_arg count) {
    unsigned long i;
    for (i = count_of(count); i > 0; --i)
        destination[i - 1] = source[i - 1];
    return 0;
}

unsigned short movw(char* source, char* destination, xlatr_word_arg count) {
    unsigned long n = count_of(count);
    unsigned long i;
    for (i = 0; i < n; ++i)
        put_word(destination, i, word_at(source, i));
    return 0;
}

unsigned short movrw(char* source, char* destination, xlatr_word_arg count) {
    unsigned long i;
    for (i = count_of(count); i > 0; --i)
        put_word(destination, i - 1, word_at(source, i - 1));
    return 0;
}

unsigned short cmpb(char* first, char* second, xlatr_word_arg count) {
    unsigned long n = count_of(count);
    unsigned long i;
    for (i = 0; i < n; ++i)
        if (((const byte*)first)[i] != ((const byte*)second)[i]) return (unsigned short)i;
    return NOT_FOUND;
}

unsigned short cmpw(char* first, char* second, xlatr_word_arg count) {
    unsigned long n = count_of(count);
    unsigned long i;
    for (i = 0; i < n; ++i)
        if (word_at(first, i) != word_at(second, i)) return (unsigned short)i;
    return NOT_FOUND;
}

unsigned short findb(char* block, int target, xlatr_word_arg count) {
    return byte_search(block, target, count, 1, 0);
}
unsigned short findrb(char* block, int target, xlatr_word_arg count) {
    return byte_search(block, target, count, 1, 1);
}
unsigned short skipb(char* block, int target, xlatr_word_arg count) {
    return byte_search(block, target, count, 0, 0);
}
unsigned short skiprb(char* block, int target, xlatr_word_arg count) {
    return byte_search(block, target, count, 0, 1);
}

unsigned short findw(char* block, xlatr_word_arg target, xlatr_word_arg count) {
    return word_search(block, target, count, 1, 0);
}
unsigned short findrw(char* block, xlatr_word_arg target, xlatr_word_arg count) {
    return word_search(block, target, count, 1, 1);
}
unsigned short skipw(char* block, xlatr_word_arg target, xlatr_word_arg count) {
    return word_search(block, target, count, 0, 0);
}
unsigned short skiprw(char* block, xlatr_word_arg target, xlatr_word_arg count) {
    return word_search(block, target, count, 0, 1);
}

unsigned short setb(int value, char* destination, xlatr_word_arg count) {
    unsigned long n = count_of(count);
    unsigned long i;
    for (i = 0; i < n; ++i)
        ((byte*)destination)[i] = (byte)((unsigned long)value & XLATR_BYTE_MASK);
    return 0;
}

unsigned short setw(xlatr_word_arg value, char* destination, xlatr_word_arg count) {
    unsigned long n = count_of(count);
    unsigned long i;
    for (i = 0; i < n; ++i)
        put_word(destination, i, (unsigned short)((unsigned long)value & XLATR_WORD_MASK));
    return 0;
}

unsigned short xlat(char* source, char* destination, xlatr_word_arg count, char* table) {
    unsigned long n = count_of(count);
    unsigned long i;
    for (i = 0; i < n; ++i)
        destination[i] = table[((const byte*)source)[i]];
    return 0;
}

unsigned short moveB(int count, char* source, char* destination) {
    return movb(source, destination, (xlatr_word_arg)((unsigned long)count & XLATR_BYTE_MASK));
}

unsigned short moveW(xlatr_word_arg count, char* source, char* destination) {
    return movb(source, destination, count);
}
