/* LOW, HIGH, DOUBLE, ABS, IABS, FIX, FLOAT, INT, SIGNED, UNSIGN and DEC. */
#include "internal.h"
#include "xlatr_runtime.h"

#define INTEGER_MIN (-32768L)
#define INTEGER_MAX 32767L

int xlatr_integer_of(unsigned long bits) {
    bits &= XLATR_WORD_MASK;
    return bits > (unsigned long)INTEGER_MAX ? (int)((long)bits - 0x10000L) : (int)bits;
}

static unsigned char low_byte(unsigned long value) {
    return (unsigned char)(value & XLATR_BYTE_MASK);
}
static unsigned char high_byte(unsigned long value) {
    return (unsigned char)((value >> 8) & XLATR_BYTE_MASK);
}

unsigned char lowB(int value) {
    return low_byte((unsigned long)value);
}
unsigned char lowW(xlatr_word_arg value) {
    return low_byte((unsigned long)value);
}
unsigned char lowI(int value) {
    return low_byte((unsigned long)value);
}
unsigned short lowD(unsigned long value) {
    return (unsigned short)(value & XLATR_WORD_MASK);
}

/* A BYTE is widened to a WORD first, so its high byte is 0. */
unsigned char highB(int value) {
    (void)value;
    return 0;
}
unsigned char highW(xlatr_word_arg value) {
    return high_byte((unsigned long)value);
}
unsigned char highI(int value) {
    return high_byte((unsigned long)value);
}
unsigned short highD(unsigned long value) {
    return (unsigned short)((value >> 16) & XLATR_WORD_MASK);
}

unsigned short doubleB(int value) {
    return low_byte((unsigned long)value);
}
unsigned long doubleW(xlatr_word_arg value) {
    return (unsigned long)value & XLATR_WORD_MASK;
}

float absR(double value) {
    return (float)(value < 0 ? -value : value);
}

/* Like the processor's negation, IABS(-32768) stays -32768. */
static short absolute_integer(unsigned long bits) {
    long integer = xlatr_integer_of(bits);
    return (short)xlatr_integer_of((unsigned long)(integer < 0 ? -integer : integer));
}

short iabsI(int value) {
    return absolute_integer((unsigned long)value);
}
short iabsW(xlatr_word_arg value) {
    return absolute_integer((unsigned long)value);
}

short fixR(double value) {
    long whole;
    double fraction;

    if (!(value > INTEGER_MIN - 1.0 && value < INTEGER_MAX + 1.0)) return (short)INTEGER_MIN;
    whole = (long)value;
    if ((double)whole > value) --whole;
    fraction = value - (double)whole;
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) ++whole;
    return (short)(whole < INTEGER_MIN || whole > INTEGER_MAX ? INTEGER_MIN : whole);
}

float floatI(int value) {
    return (float)xlatr_integer_of((unsigned long)value);
}
float floatW(xlatr_word_arg value) {
    return (float)xlatr_integer_of((unsigned long)value);
}
short intW(xlatr_word_arg value) {
    return (short)xlatr_integer_of((unsigned long)value);
}
short signedB(int value) {
    return (short)low_byte((unsigned long)value);
}
short signedW(xlatr_word_arg value) {
    return (short)xlatr_integer_of((unsigned long)value);
}
unsigned short unsignI(int value) {
    return (unsigned short)((unsigned long)value & XLATR_WORD_MASK);
}
unsigned short unsignW(xlatr_word_arg value) {
    return (unsigned short)((unsigned long)value & XLATR_WORD_MASK);
}

static unsigned char decimal_adjust(unsigned long value) {
    unsigned long sum = value & 0x1FFUL;
    unsigned long adjusted = sum & XLATR_BYTE_MASK;
    int carry = sum > 0x99UL;

    if ((adjusted & 0x0FUL) > 9) adjusted += 0x06;
    if (carry) adjusted += 0x60;
    xlatr_set_carry(carry);
    return (unsigned char)(adjusted & XLATR_BYTE_MASK);
}

unsigned char decB(int value) {
    return decimal_adjust((unsigned long)value);
}
unsigned char decW(xlatr_word_arg value) {
    return decimal_adjust((unsigned long)value);
}
