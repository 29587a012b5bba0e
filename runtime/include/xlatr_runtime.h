/*
 * xlatr_runtime.h - the C functions that stand for PL/M's built-in procedures
 * in translated programs, and the hooks through which a hosted program plays
 * the machine's ports, interrupts and clock.
 *
 * Translated code never includes this header: it calls these functions
 * through the generated builtin.h, which declares each of them without a
 * parameter list (extern WORD  shlW();). The caller therefore passes every
 * argument after the default promotions, and every function here takes only
 * promoted types and returns exactly the C type that builtin.h names:
 *
 *   PL/M type   argument arrives as     result returned as
 *   BYTE        int                     unsigned char   (BYTE)
 *   WORD        xlatr_word_arg          unsigned short  (WORD)
 *   DWORD       unsigned long           unsigned long   (DWORD)
 *   INTEGER     int                     short           (INTEGER)
 *   REAL        double                  float           (REAL)
 *   POINTER     char *                  char *          (POINTER)
 *
 * A WORD promotes to int where int is wider than 16 bits and to unsigned int
 * where it is not; xlatr_word_arg follows the platform.
 *
 * Naming: builtin.h must declare each C name once, so every record of
 * xlatr.bf has a function of its own, named by the PL/M name in lower case
 * and one capital letter for the type of the first argument that chose it
 * (B BYTE, W WORD, D DWORD, I INTEGER, R REAL): shlB shifts a BYTE, lowD
 * takes the low WORD of a DWORD, inputW reads the byte port whose number is
 * a WORD. A whole-number constant counts as a WORD, so the built-ins that
 * take an INTEGER also have a W form, which reads the 16 bits as an INTEGER.
 * The built-ins that work on memory through addresses (MOVB ... XLAT and
 * LOCKSET) do the same whatever the type of their first argument: each has
 * one record whose C name is the PL/M name itself, so that a call whose
 * argument type has no record keeps its name and still reaches the function,
 * a structure or a string constant included.
 *
 * Built-ins that PL/M declares untyped (MOVB, SETW, TIME, OUTPUT ...) return
 * the WORD 0, since builtin.h has no void return type.
 *
 * Choices made where PL/M leaves room:
 *  - Shift and rotate counts are taken as unsigned 16-bit values. A shift by
 *    more than the width gives 0 (SAR: every bit a copy of the sign); a
 *    rotate by a multiple of the width gives the value back.
 *  - The carry: every shift and rotate by a count of 1 or more leaves the last
 *    bit moved out in the carry, as the processor does, so that SHL followed
 *    by SCL shifts a value wider than a DWORD. SCL and SCR rotate through the
 *    carry: width + 1 bits, the carry above the top bit (SCL) or below bit 0
 *    (SCR). A count of 0 leaves value and carry alone. DEC leaves its decimal
 *    carry there too. xlatr_carry and xlatr_set_carry read and set it; it
 *    starts at 0.
 *  - FIX rounds to the nearest INTEGER and a tie to the even one (2.5 gives
 *    2, -3.5 gives -4), the numeric coprocessor's default; a value outside
 *    the INTEGER range, or not a number, gives -32768.
 *  - INT and SIGNED take the 16 bits of their argument as a two's complement
 *    INTEGER (0FFFFH gives -1); UNSIGN takes the 16 bits back as a WORD.
 *  - DEC adjusts the low byte of its argument to two decimal digits: 6 is
 *    added when the low digit exceeds 9, 60H when the byte exceeds 99H or the
 *    argument exceeds 0FFH (the carry of a byte addition). The half carry of
 *    the addition that made the argument is not visible here, so a sum whose
 *    low digits add up to 16 or more (DEC(09H + 09H)) is not corrected.
 *  - CMPB and CMPW give 0FFFFH when the blocks are equal, else the index of
 *    the first element that differs. FINDB/FINDW give the index of the first
 *    element equal to the target, SKIPB/SKIPW of the first one that differs
 *    from it, or 0FFFFH when there is none. The R forms search from the last
 *    element (index count - 1) down; their result still counts from the
 *    start of the block. A count of 0 always gives 0FFFFH.
 *  - MOVB and MOVW copy from the first element up, MOVRB and MOVRW from the
 *    last one down, one element at a time, as the string instructions do:
 *    when the destination overlaps the source above it, MOVB repeats the
 *    first elements and MOVRB moves the block intact.
 *  - SETB(value, destination, count), SETW likewise; XLAT(source,
 *    destination, count, table) stores table(source(i)) in destination(i)
 *    from i = 0 up; MOVE(count, source, destination) copies bytes from the
 *    first up.
 *  - OUTPUT(port) = value and OUTWORD(port) = value are assignments in PL/M;
 *    here they are calls with the value as a second argument.
 *  - TIME(n) asks the delay hook for n units of 100 microseconds.
 *
 * State: the installed hooks and the carry are the runtime's own, one set
 * for the process, as the machine they stand for is one; the runtime is not
 * meant to be used from several threads at once.
 */
#ifndef XLATR_RUNTIME_H
#define XLATR_RUNTIME_H

#include <limits.h>

#ifdef __cplusplus
extern "C" {
#endif

#if USHRT_MAX <= INT_MAX
typedef int xlatr_word_arg;
#else
typedef unsigned int xlatr_word_arg;
#endif

/* What the machine does when a translated program touches it. Every member
 * may be null: that member then keeps its default (a port reads as 0, a
 * write, an interrupt or a delay does nothing, LOCKSET exchanges plainly). */
struct xlatr_hooks {
    void* context; /* handed to every hook */
    unsigned (*input)(void* context, unsigned port);
    unsigned (*inword)(void* context, unsigned port);
    void (*output)(void* context, unsigned port, unsigned value);
    void (*outword)(void* context, unsigned port, unsigned value);
    void (*enable)(void* context);
    void (*disable)(void* context);
    void (*cause_interrupt)(void* context, int number);
    void (*delay)(void* context, unsigned hundred_microseconds);
    /* stores value in *flag and gives the byte it held, indivisibly */
    unsigned (*lockset)(void* context, unsigned char* flag, unsigned value);
};

/* Installs a copy of *hooks; null installs the defaults. */
void xlatr_set_hooks(const struct xlatr_hooks* hooks);

int xlatr_carry(void);
void xlatr_set_carry(int carry);

/* LOW, HIGH, DOUBLE */
unsigned char lowB(int value);
unsigned char lowW(xlatr_word_arg value);
unsigned char lowI(int value);
unsigned short lowD(unsigned long value);
unsigned char highB(int value);
unsigned char highW(xlatr_word_arg value);
unsigned char highI(int value);
unsigned short highD(unsigned long value);
unsigned short doubleB(int value);
unsigned long doubleW(xlatr_word_arg value);

/* SHL, SHR, ROL, ROR, SCL, SCR, SAL, SAR */
unsigned char shlB(int value, int count);
unsigned short shlW(xlatr_word_arg value, int count);
unsigned long shlD(unsigned long value, int count);
unsigned char shrB(int value, int count);
unsigned short shrW(xlatr_word_arg value, int count);
unsigned long shrD(unsigned long value, int count);
unsigned char rolB(int value, int count);
unsigned short rolW(xlatr_word_arg value, int count);
unsigned long rolD(unsigned long value, int count);
unsigned char rorB(int value, int count);
unsigned short rorW(xlatr_word_arg value, int count);
unsigned long rorD(unsigned long value, int count);
unsigned char sclB(int value, int count);
unsigned short sclW(xlatr_word_arg value, int count);
unsigned long sclD(unsigned long value, int count);
unsigned char scrB(int value, int count);
unsigned short scrW(xlatr_word_arg value, int count);
unsigned long scrD(unsigned long value, int count);
short salI(int value, int count);
short salW(xlatr_word_arg value, int count);
short sarI(int value, int count);
short sarW(xlatr_word_arg value, int count);

/* ABS, IABS, FIX, FLOAT, INT, SIGNED, UNSIGN, DEC */
float absR(double value);
short iabsI(int value);
short iabsW(xlatr_word_arg value);
short fixR(double value);
float floatI(int value);
float floatW(xlatr_word_arg value);
short intW(xlatr_word_arg value);
short signedB(int value);
short signedW(xlatr_word_arg value);
unsigned short unsignI(int value);
unsigned short unsignW(xlatr_word_arg value);
unsigned char decB(int value);
unsigned char decW(xlatr_word_arg value);

/* Memory blocks: counts are numbers of elements (bytes or words). */
unsigned short movb(char* source, char* destination, xlatr_word_arg count);
unsigned short movw(char* source, char* destination, xlatr_word_arg count);
unsigned short movrb(char* source, char* destination, xlatr_word_arg count);
unsigned short movrw(char* source, char* destination, xlatr_word_arg count);
unsigned short cmpb(char* first, char* second, xlatr_word_arg count);
unsigned short cmpw(char* first, char* second, xlatr_word_arg count);
unsigned short findb(char* block, int target, xlatr_word_arg count);
unsigned short findw(char* block, xlatr_word_arg target, xlatr_word_arg count);
unsigned short findrb(char* block, int target, xlatr_word_arg count);
unsigned short findrw(char* block, xlatr_word_arg target, xlatr_word_arg count);
unsigned short skipb(char* block, int target, xlatr_word_arg count);
unsigned short skipw(char* block, xlatr_word_arg target, xlatr_word_arg count);
unsigned short skiprb(char* block, int target, xlatr_word_arg count);
unsigned short skiprw(char* block, xlatr_word_arg target, xlatr_word_arg count);
unsigned short setb(int value, char* destination, xlatr_word_arg count);
unsigned short setw(xlatr_word_arg value, char* destination, xlatr_word_arg count);
unsigned short xlat(char* source, char* destination, xlatr_word_arg count, char* table);
unsigned short moveB(int count, char* source, char* destination);
unsigned short moveW(xlatr_word_arg count, char* source, char* destination);

/* Ports, clock and the LOCKSET exchange, through the hooks. */
unsigned char inputB(int port);
unsigned char inputW(xlatr_word_arg port);
unsigned short inwordB(int port);
unsigned short inwordW(xlatr_word_arg port);
unsigned short outputB(int port, int value);
unsigned short outputW(xlatr_word_arg port, int value);
unsigned short outwordB(int port, xlatr_word_arg value);
unsigned short outwordW(xlatr_word_arg port, xlatr_word_arg value);
unsigned short timeB(int count);
unsigned short timeW(xlatr_word_arg count);
unsigned char lockset(char* flag, int value);

/* The ENABLE, DISABLE and CAUSE$INTERRUPT statements. The translator prints
 * ENABLE(); DISABLE(); causeInterrupt(n); without declaring them, so a C89
 * compiler takes them as functions returning int. */
int ENABLE(void);
int DISABLE(void);
int causeInterrupt(int number);

#ifdef __cplusplus
}
#endif

#endif
