// Value nodes: the constant leaves of expressions and of numeric LITERALLY
// declarations. Whole numbers keep only 16 bits, as PL/M does; reals keep a
// double; strings keep their text.
#pragma once

#include <cstdint>
#include <list>
#include <string>

namespace xlatr {

class Context;
struct exp_node;
using exp_list = std::list<exp_node>; // see translate/expressions.h

// Kinds of a value node.
enum val_kind : int {
    val_character = 0,
    val_binary = 1,
    val_octal = 2,
    val_decimal = 3,
    val_hex = 4,
    val_real = 5,
    val_string = 6,
};

// One constant. Only the cell that belongs to `kind` is meaningful: `number`
// for kinds 0 to 4 (the character code for kind 0), `real` for kind 5,
// `text` for kind 6. A node whose kind is outside 0..6 has no meaningful
// cell; printers report it.
struct value_node {
    int kind = val_decimal;
    std::uint32_t number = 0;
    double real = 0.0;
    std::string text;
    // A string of two characters given to an element wider than a byte (a
    // WORD member of a structure): one value, the first character its high
    // byte.
    bool word_pair = false;
};

// Whole-number constant of kind 1 to 4 (binary, octal, decimal, hex). The
// whole 32-bit value is kept: a DWORD constant above 0FFFFH is no 16-bit
// number. Any other kind reports message 5 and leaves the number cell at 0.
value_node d_numeric_const(Context& ctx, int kind, std::uint32_t value);

// Binary, octal, decimal and hexadecimal constants: the kinds whose number
// cell holds a whole number (a character's code aside).
constexpr bool is_whole_kind(int kind) {
    return kind >= val_binary && kind <= val_hex;
}

// Whether a whole number reads as negative when taken as a 16-bit signed
// number: one of 16 bits whose top bit is set (0FFFFH is -1).
constexpr bool is_negative_word(std::uint32_t number) {
    return number <= 0xFFFFu && (number & 0x8000u) != 0;
}

// Real constant; the scanner gives kind 5.
value_node d_num_float_cn(int kind, double value);

// A string value (kind 6) wrapped in a constant node: a one-node expression.
exp_list d_str_init_val(std::string text);

} // namespace xlatr
