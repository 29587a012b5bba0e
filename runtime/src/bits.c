/* SHL, SHR, ROL, ROR, SCL, SCR, SAL and SAR in the width of their argument,
 * with the carry that the processor's shift instructions leave behind. */
#include "internal.h"
#include "xlatr_runtime.h"

static unsigned long mask_of(unsigned width) {
    return ((1UL << (width - 1)) << 1) - 1;
}

static int top_bit(unsigned long value, unsigned width) {
    return (int)((value >> (width - 1)) & 1);
}

/* A count reaches the runtime promoted from a BYTE or WORD expression. */
static unsigned long steps_of(int count) {
    return (unsigned long)count & XLATR_WORD_MASK;
}

static unsigned long shift_left(unsigned long value, unsigned width, int count) {
    unsigned long steps = steps_of(count);
    unsigned long mask = mask_of(width);

    value &= mask;
    if (steps == 0) return value;
    if (steps > width) {
        xlatr_set_carry(0);
        return 0;
    }
    xlatr_set_carry((int)((value >> (width - steps)) & 1));
    return ((value << (steps - 1)) << 1) & mask;
}

static unsigned long shift_right(unsigned long value, unsigned width, int count, int arithmetic) {
    unsigned long steps = steps_of(count);
    unsigned long mask = mask_of(width);
    int negative;

    value &= mask;
    negative = arithmetic && top_bit(value, width);
    if (steps == 0) return value;
    if (steps > width) {
        xlatr_set_carry(negative);
        return negative ? mask : 0;
    }
    xlatr_set_carry((int)((value >> (steps - 1)) & 1));
    value = (value >> (steps - 1)) >> 1;
    if (negative) value |= mask & ~((mask >> (steps - 1)) >> 1);
    return value;
}

static unsigned long rotate(unsigned long value, unsigned width, int count, int leftwards) {
    unsigned long steps = steps_of(count);
    unsigned long mask = mask_of(width);

    value &= mask;
    if (steps == 0) return value;
    steps %= width;
    if (steps != 0) {
        unsigned long back = width - steps;
        value = leftwards ? (value << steps) | (value >> back) : (value >> steps) | (value << back);
        value &= mask;
    }
    xlatr_set_carry(leftwards ? (int)(value & 1) : top_bit(value, width));
    return value;
}

static unsigned long rotate_through_carry(unsigned long value, unsigned width, int count, int leftwards) {
    unsigned long steps = steps_of(count) % (width + 1);
    unsigned long mask = mask_of(width);
    unsigned long carry = (unsigned long)(xlatr_carry() != 0);

    value &= mask;
    for (; steps > 0; --steps) {
        unsigned long out = leftwards ? (unsigned long)top_bit(value, width) : value & 1;
        value = leftwards ? ((value << 1) | carry) & mask : (value >> 1) | (carry << (width - 1));
        carry = out;
    }
    xlatr_set_carry((int)carry);
    return value;
}

unsigned char shlB(int value, int count) {
    return (unsigned char)shift_left((unsigned long)value, 8, count);
}
unsigned short shlW(xlatr_word_arg value, int count) {
    return (unsigned short)shift_left((unsigned long)value, 16, count);
}
unsigned long shlD(unsigned long value, int count) {
    return shift_left(value, 32, count);
}

unsigned char shrB(int value, int count) {
    return (unsigned char)shift_right((unsigned long)value, 8, count, 0);
}
unsigned short shrW(xlatr_word_arg value, int count) {
    return (unsigned short)shift_right((unsigned long)value, 16, count, 0);
}
unsigned long shrD(unsigned long value, int count) {
    return shift_right(value, 32, count, 0);
}

unsigned char rolB(int value, int count) {
    return (unsigned char)rotate((unsigned long)value, 8, count, 1);
}
unsigned short rolW(xlatr_word_arg value, int count) {
    return (unsigned short)rotate((unsigned long)value, 16, count, 1);
}
unsigned long rolD(unsigned long value, int count) {
    return rotate(value, 32, count, 1);
}

unsigned char rorB(int value, int count) {
    return (unsigned char)rotate((unsigned long)value, 8, count, 0);
}
unsigned short rorW(xlatr_word_arg value, int count) {
    return (unsigned short)rotate((unsigned long)value, 16, count, 0);
}
unsigned long rorD(unsigned long value, int count) {
    return rotate(value, 32, count, 0);
}

unsigned char sclB(int value, int count) {
    return (unsigned char)rotate_through_carry((unsigned long)value, 8, count, 1);
}
unsigned short sclW(xlatr_word_arg value, int count) {
    return (unsigned short)rotate_through_carry((unsigned long)value, 16, count, 1);
}
unsigned long sclD(unsigned long value, int count) {
    return rotate_through_carry(value, 32, count, 1);
}

unsigned char scrB(int value, int count) {
    return (unsigned char)rotate_through_carry((unsigned long)value, 8, count, 0);
}
unsigned short scrW(xlatr_word_arg value, int count) {
    return (unsigned short)rotate_through_carry((unsigned long)value, 16, count, 0);
}
unsigned long scrD(unsigned long value, int count) {
    return rotate_through_carry(value, 32, count, 0);
}

short salI(int value, int count) {
    return (short)xlatr_integer_of(shift_left((unsigned long)value, 16, count));
}
short salW(xlatr_word_arg value, int count) {
    return (short)xlatr_integer_of(shift_left((unsigned long)value, 16, count));
}
short sarI(int value, int count) {
    return (short)xlatr_integer_of(shift_right((unsigned long)value, 16, count, 1));
}
short sarW(xlatr_word_arg value, int count) {
    return (short)xlatr_integer_of(shift_right((unsigned long)value, 16, count, 1));
}
