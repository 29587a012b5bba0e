#include "translate/expressions.h"

#include "declarations/symbols.h"
#include "driver/context.h"
#include "support/messages.h"
#include "support/strings.h"
#include "translate/builtin_variables.h"
#include "translate/builtins.h"
#include "translate/casts.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>
#include <optional>
#include <utility>

namespace xlatr {

namespace {

using iter = exp_list::iterator;

// ---------------------------------------------------------------- nodes

// Nodes are built where they stand in their list: an exp_node is large, and
// each move of one costs as much as building it.
iter insert_op(exp_list& list, iter position, int code) {
    iter node = list.emplace(position);
    node->kind = exp_operator;
    node->op = code;
    return node;
}

iter insert_number(exp_list& list, iter position, int kind, std::uint16_t number) {
    iter node = list.emplace(position);
    node->kind = exp_constant;
    node->value.kind = kind;
    node->value.number = number;
    return node;
}

// A list of one node of `kind`, which the caller fills in.
exp_list one_node(int kind) {
    exp_list list;
    list.emplace_back().kind = kind;
    return list;
}

void append(exp_list& list, exp_list tail) {
    list.splice(list.end(), tail);
}

// Printed text of each operator code.
constexpr const char* operator_texts[] = {
    " = ",  " & ",  " | ",  "~",   " ^ ", " < ", " > ", " <= ", " >= ", " != ",
    " == ", " + ",  " - ",  " * ", " / ", " % ", " + ", " - ",  "(",    ")",
    ",",    " && ", " || ", " ? ", " : ", "(",   ")",   "!",    "&",    "",
};

bool known_value_kind(int kind) {
    return kind >= val_character && kind <= val_string;
}

// ---------------------------------------------------------- classes

bool is_op(const exp_node& node, int code) {
    return node.kind == exp_operator && node.op == code;
}

bool is_and_or(const exp_node& node) {
    return is_op(node, op_and) || is_op(node, op_or);
}

// The operators that join the operands of relations: PL/M's relations bind
// tighter than AND, OR and XOR alike, so a relation's operands end at any of
// them (in C, XOR binds tighter than ?: and would join the relation).
bool is_connective(const exp_node& node) {
    return is_and_or(node) || is_op(node, op_xor);
}

bool is_logical_neighbour(const exp_node& node) {
    if (node.kind != exp_operator) return false;
    switch (node.op) {
    case op_and:
    case op_or:
    case op_not:
    case op_xor:
    case op_logical_and:
    case op_logical_or:
    case op_logical_not:
    case op_low_bit:
        return true;
    default:
        return false;
    }
}

bool is_generated(const exp_node& node) {
    return node.kind == exp_operator && node.op >= op_logical_and && node.op <= op_low_bit;
}

// ------------------------------------------------------- walking groups

// The close matching the opener at `open`; `end` when the group is still
// open at `end`.
iter matching_close(iter open, iter end) {
    int depth = 0;
    for (iter it = open; it != end; ++it) {
        if (e_is_group_open(*it)) {
            ++depth;
        } else if (e_is_group_close(*it) && --depth == 0) {
            return it;
        }
    }
    return end;
}

// The node after `it` on the same level: a whole group counts as one step.
iter next_on_level(iter it, iter end) {
    if (!e_is_group_open(*it)) return std::next(it);
    iter close = matching_close(it, end);
    return close == end ? end : std::next(close);
}

template <typename Pred>
iter find_on_level(iter first, iter end, Pred pred) {
    for (iter it = first; it != end; it = next_on_level(it, end)) {
        if (pred(*it)) return it;
    }
    return end;
}

// [first, end) is one parenthesised group opened by an opener that `opens`.
template <typename Opens>
bool is_one_group(iter first, iter end, Opens opens) {
    return first != end && opens(*first) && matching_close(first, end) == std::prev(end);
}

bool is_source_group(iter first, iter end) {
    return is_one_group(first, end, [](const exp_node& node) { return is_op(node, op_open); });
}

// A group, or "!" directly followed by a group that ends the range.
bool is_wrapped_operand(iter first, iter end) {
    if (first != end && is_op(*first, op_logical_not)) ++first;
    return is_one_group(first, end, e_is_group_open);
}

// --------------------------------------------------------- rewriting

// (range)&1: the lowest bit decides the truth of a PL/M value.
void wrap_low_bit(exp_list& list, iter first, iter end) {
    insert_op(list, first, op_gen_open);
    insert_op(list, end, op_gen_close);
    insert_op(list, end, op_low_bit);
    insert_number(list, end, val_decimal, 1);
}

// (range ? 0XFFFF : 0X0): a comparison used as a value yields PL/M's true.
void wrap_comparison_value(exp_list& list, iter first, iter end) {
    insert_op(list, first, op_gen_open);
    insert_op(list, end, op_question);
    insert_number(list, end, val_hex, 0xFFFF);
    insert_op(list, end, op_colon);
    insert_number(list, end, val_hex, 0);
    insert_op(list, end, op_gen_close);
}

void make_logical(exp_node& connective) {
    if (is_op(connective, op_and)) connective.op = op_logical_and;
    if (is_op(connective, op_or)) connective.op = op_logical_or;
}

void ee_logical_exp(exp_list& list, int mode, bool nested);

// The operand of a NOT that is not followed by "(": up to the first AND, OR
// or XOR on the NOT's own level, or up to the close of the group the NOT
// stands in.
iter not_operand_end(iter first, iter end) {
    for (iter it = first; it != end;) {
        if (is_and_or(*it) || is_op(*it, op_xor) || e_is_group_close(*it)) return it;
        it = next_on_level(it, end);
    }
    return end;
}

// Makes the operand of every NOT explicit, since NOT binds more loosely than
// arithmetic and relations in PL/M but ~ and ! bind tighter in C.
void ee_not_operands(exp_list& list, int mode) {
    for (iter it = list.begin(); it != list.end();) {
        if (!is_op(*it, op_not)) {
            ++it;
            continue;
        }
        iter not_node = it;
        iter first = std::next(it);
        if (first == list.end()) return;
        if (is_op(*first, op_open)) {
            if (mode == ee_condition) not_node->op = op_logical_not;
            iter close = matching_close(first, list.end());
            it = close == list.end() ? close : std::next(close);
            continue;
        }
        iter end = not_operand_end(first, list.end());
        if (std::distance(first, end) > 1) {
            insert_op(list, first, op_open);
            insert_op(list, end, op_close);
            if (mode == ee_condition) not_node->op = op_logical_not;
        }
        it = end;
    }
}

// A group is a value unless both of its neighbours are logical operators
// (or absent); then it keeps the mode of its surroundings.
int group_mode(exp_list& list, iter open, iter close, int mode) {
    bool before_is_value = open != list.begin() && !is_logical_neighbour(*std::prev(open));
    iter after = std::next(close);
    bool after_is_value = after != list.end() && !is_logical_neighbour(*after);
    return before_is_value || after_is_value ? ee_value : mode;
}

void ee_rewrite_groups(exp_list& list, int mode) {
    for (iter it = list.begin(); it != list.end();) {
        if (is_op(*it, op_gen_open)) {
            it = next_on_level(it, list.end());
            continue;
        }
        if (!is_op(*it, op_open)) {
            ++it;
            continue;
        }
        iter close = matching_close(it, list.end());
        if (close == list.end()) return;
        int inside_mode = group_mode(list, it, close, mode);
        exp_list inside;
        inside.splice(inside.begin(), list, std::next(it), close);
        ee_logical_exp(inside, inside_mode, true);
        list.splice(close, inside);
        it = std::next(close);
    }
}

// Handles one operand of an AND/OR chain; `prev` is the connective before
// it, or the list's end.
void ee_operand(exp_list& list, iter prev, iter first, iter end, int mode) {
    if (mode == ee_value) return;
    if (prev != list.end()) make_logical(*prev);
    if (first == end || is_wrapped_operand(first, end)) return;
    wrap_low_bit(list, first, end);
}

// A relation and its operands, from `start` to the next AND/OR/XOR; returns
// that operator, or the list's end.
iter ee_rel_seg(exp_list& list, iter prev, iter start, int mode) {
    iter stop = find_on_level(start, list.end(), is_connective);
    // Relations group to the left, and a relation that is the operand of the
    // next one gives it 0FFFFH or 0: each such left part becomes a value
    // (C would compare its 1 or 0, or group A = B < C to the right).
    iter relation = find_on_level(start, stop, e_is_relation);
    if (relation != stop) {
        for (iter next = find_on_level(std::next(relation), stop, e_is_relation); next != stop;
             next = find_on_level(std::next(next), stop, e_is_relation)) {
            wrap_comparison_value(list, start, next);
            start = std::prev(start);
        }
    }
    if (mode == ee_value) {
        wrap_comparison_value(list, start, stop);
    } else if (prev != list.end()) {
        make_logical(*prev);
    }
    return stop;
}

// Operands joined by AND/OR/XOR from `start` up to the next relation.
// Returns the operator whose right side holds that relation, or the list's
// end when no relation follows.
iter ee_andor_seg(exp_list& list, iter prev, iter start, int mode) {
    iter end = list.end();
    iter relation = find_on_level(start, end, e_is_relation);
    iter operand_start = start;
    for (iter it = start; it != relation; it = next_on_level(it, end)) {
        if (!is_connective(*it)) continue;
        ee_operand(list, prev, operand_start, it, mode);
        prev = it;
        operand_start = std::next(it);
    }
    if (relation != end) return prev;
    ee_operand(list, prev, operand_start, end, mode);
    return end;
}

void ee_relation_first_chain(exp_list& list, int mode) {
    iter end = list.end();
    iter a = ee_rel_seg(list, end, list.begin(), mode);
    while (a != end) {
        iter b = ee_andor_seg(list, a, std::next(a), mode);
        if (b == end) return;
        a = ee_rel_seg(list, b, std::next(b), mode);
    }
}

void ee_andor_first_chain(exp_list& list, int mode) {
    iter end = list.end();
    iter a = ee_andor_seg(list, end, list.begin(), mode);
    while (a != end) {
        iter b = ee_rel_seg(list, a, std::next(a), mode);
        if (b == end) return;
        a = ee_andor_seg(list, b, std::next(b), mode);
    }
}

void ee_logical_exp(exp_list& list, int mode, bool nested) {
    if (list.empty()) return;
    // An embedded assignment gives its target the value after ":=", which
    // is a value whatever the mode: AND and OR there are the bitwise ones,
    // a relation is 0FFFFH or 0. In a condition the assignment is true by
    // the lowest bit of what it stored.
    iter assign =
        find_on_level(list.begin(), list.end(), [](const exp_node& n) { return is_op(n, op_assign); });
    if (assign != list.end()) {
        exp_list value;
        value.splice(value.begin(), list, std::next(assign), list.end());
        ee_logical_exp(value, ee_value, nested);
        list.splice(list.end(), value);
        if (mode == ee_condition) wrap_low_bit(list, list.begin(), list.end());
        return;
    }
    if (mode == ee_condition && find_on_level(list.begin(), list.end(), [](const exp_node& n) {
                                    return is_op(n, op_xor);
                                }) != list.end()) {
        ee_logical_exp(list, ee_value, nested);
        wrap_low_bit(list, list.begin(), list.end());
        return;
    }
    if (!nested) ee_not_operands(list, mode);
    ee_rewrite_groups(list, mode);

    iter first = find_on_level(list.begin(), list.end(),
                               [](const exp_node& n) { return is_connective(n) || e_is_relation(n); });
    if (first == list.end()) {
        if (mode == ee_condition && !is_source_group(list.begin(), list.end())) {
            wrap_low_bit(list, list.begin(), list.end());
        }
        return;
    }
    if (e_is_relation(*first)) {
        ee_relation_first_chain(list, mode);
    } else {
        ee_andor_first_chain(list, mode);
    }
}

// ---------------------------------------------------------- printing

// Text of a character inside a C character constant or string literal whose
// delimiter is `quote`.
std::string c_char_text(char c, char quote) {
    if (c == '\\' || c == quote) return std::string{'\\', c};
    if (c == '\n') return "\\n";
    if (c == '\0') return "\\0";
    return std::string(1, c);
}

void print_char_constant(Context& ctx, char c) {
    std::string text = c_char_text(c, '\'');
    text.insert(text.begin(), '\'');
    text.push_back('\'');
    ctx.output.print(text);
}

// `prefix` then the digits of `number` in `base`, lower-case as printf's %x.
void print_number(Context& ctx, std::string_view prefix, unsigned number, int base) {
    char text[16];
    const std::size_t length = prefix.copy(text, prefix.size());
    const auto end = std::to_chars(text + length, text + sizeof text, number, base).ptr;
    ctx.output.print(std::string_view(text, static_cast<std::size_t>(end - text)));
}

void print_real(Context& ctx, double real) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", real);
    std::string printed = text;
    if (printed.find_first_of(".eE") == std::string::npos) printed += ".0";
    ctx.output.print(printed);
}

void print_string_chars(Context& ctx, const value_node& value) {
    const std::string& text = value.text;
    const bool in_value = ctx.expressions.init_list_mode() == 0;
    // Two characters used as a number are a WORD, the first one its high
    // byte: 'YB' is 5942H. So are they in the initial values of a WORD.
    if (text.size() == 2 && (in_value || ctx.expressions.word_elements() || value.word_pair)) {
        ctx.output.print("((");
        print_char_constant(ctx, text[0]);
        ctx.output.print("<<8)|");
        print_char_constant(ctx, text[1]);
        ctx.output.print(")");
        return;
    }
    if (text.size() >= 2 && in_value) s_error(ctx, 1);
    if (text.empty()) {
        // The first character of an empty text is its terminating NUL.
        print_char_constant(ctx, '\0');
        return;
    }
    print_char_constant(ctx, text.front());
    for (std::size_t i = 1; i < text.size(); ++i) {
        ctx.output.print(",");
        print_char_constant(ctx, text[i]);
    }
}

void print_subscript(Context& ctx, exp_list& subscript) {
    if (subscript.empty()) return;
    ctx.output.print("[");
    ee_print_exp(ctx, subscript, ee_value);
    ctx.output.print("]");
}

// A member as its structure declares it: the member entry's name after the
// owner's, whatever spelling of the PL/M name the reference used.
std::string member_c_name(Context& ctx, const exp_node& node) {
    const sym_entry* member = ctx.symbols.h_lookup(node.name + "." + node.member);
    if (!member) return node.member;
    const std::size_t dot = member->name.find_last_of('.');
    return dot == std::string::npos ? node.member : member->name.substr(dot + 1);
}

bool is_based(const sym_entry& entry) {
    return !entry.base_name.empty();
}

// The location of a BASED variable without subscript or member is its base
// pointer, which is printed instead of an address.
bool is_based_location(const exp_node& node, const sym_entry& entry) {
    return node.loc_flag == 1 && is_based(entry) && node.args.empty() && node.member.empty();
}

bool needs_address_of(Context& ctx, const exp_node& node) {
    if (node.kind != exp_identifier || node.loc_flag != 1) return false;
    const sym_entry* entry = ctx.symbols.h_lookup(node.name);
    if (entry == nullptr) return false;
    if (is_based(*entry) && node.args.empty() && node.member.empty()) return false;
    switch (entry->usage) {
    case usage::array_variable:
        return node.member.empty() ? !node.args.empty() : ee_check_struct_loc_ref(ctx, node);
    case usage::structure_variable:
        return node.member.empty() || ee_check_struct_loc_ref(ctx, node);
    case usage::pointer_scalar:
    case usage::scalar:
        return true;
    default:
        return false;
    }
}

bool list_is_rewritten(const exp_list& list) {
    for (const exp_node& node : list) {
        if (is_generated(node)) return true;
    }
    return false;
}

} // namespace

// --------------------------------------------------------- constructors

exp_list e_get_id(std::string name, exp_list args) {
    exp_list list = one_node(exp_identifier);
    list.front().args = std::move(args);
    list.front().name = std::move(name);
    return list;
}

exp_list e_data_ref(std::string name, exp_list args, exp_list member_ref) {
    exp_list list = e_get_id(std::move(name), std::move(args));
    if (!member_ref.empty()) {
        exp_node& node = list.front();
        node.member = std::move(member_ref.front().name);
        node.member_args = std::move(member_ref.front().args);
    }
    return list;
}

exp_list e_member_ref(std::string member, exp_list subscript) {
    return e_get_id(std::move(member), std::move(subscript));
}

std::string c_string_text(std::string_view text) {
    std::string escaped;
    char previous = 0;
    for (char c : text) {
        // A C89 compiler reads ??/ and the like as trigraphs: the second
        // question mark of a pair is escaped, so the text stays as written.
        if (c == '?' && previous == '?')
            escaped += "\\?";
        else
            escaped += c_char_text(c, '"');
        previous = c;
    }
    return escaped;
}

std::string c_string_byte(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "\\%03o", value & 0xFFu);
    return text;
}

exp_list e_str_loc_ref(std::string text) {
    exp_list list = one_node(exp_string);
    list.front().loc_flag = 1;
    list.front().name = std::move(text);
    return list;
}

exp_list e_create_const(value_node value) {
    exp_list list = one_node(exp_constant);
    list.front().value = std::move(value);
    return list;
}

exp_list e_get_op(int code) {
    exp_list list = one_node(exp_operator);
    list.front().op = code;
    return list;
}

exp_list e_get_word_const(Context& ctx, int kind, std::uint32_t number) {
    return e_create_const(d_numeric_const(ctx, kind, number));
}

exp_list e_binary_exp(exp_list left, int code, exp_list right) {
    insert_op(left, left.end(), code);
    append(left, std::move(right));
    return left;
}

exp_list e_unary_exp(int code, exp_list operand) {
    return e_binary_exp({}, code, std::move(operand));
}

exp_list e_paren_exp(int open, exp_list list, int close) {
    if (list.empty()) return {};
    insert_op(list, list.begin(), open);
    insert_op(list, list.end(), close);
    return list;
}

exp_list e_concat(exp_list a, exp_list b) {
    append(a, std::move(b));
    return a;
}

exp_list e_add_exp(exp_list a, exp_list b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return e_binary_exp(std::move(a), op_plus, std::move(b));
}

exp_list e_mult_exp(exp_list a, exp_list b) {
    if (a.empty() || b.empty()) return {};
    // A factor is left out only when it is the constant 1 as a whole, not
    // when it merely starts with one (1 + x).
    if (a.size() == 1 && e_is_const_one(a.front())) return b;
    if (b.size() == 1 && e_is_const_one(b.front())) return a;
    exp_list product = e_paren_exp(op_open, std::move(a), op_close);
    insert_op(product, product.end(), op_times);
    append(product, e_paren_exp(op_open, std::move(b), op_close));
    return product;
}

exp_list e_copy_expr(const exp_list& list) {
    exp_list copy;
    for (const exp_node& node : list) {
        exp_node& out = copy.emplace_back();
        out.kind = node.kind;
        out.size_flag = node.size_flag;
        switch (node.kind) {
        case exp_operator:
            out.op = node.op;
            break;
        case exp_constant:
            if (!known_value_kind(node.value.kind)) return {};
            out.value = node.value;
            break;
        case exp_string:
            out.loc_flag = node.loc_flag;
            out.name = node.name;
            break;
        case exp_identifier:
            out.loc_flag = node.loc_flag;
            out.args = e_copy_expr(node.args);
            out.member_args = e_copy_expr(node.member_args);
            out.member = c_strmove(node.member);
            out.name = c_strmove(node.name);
            break;
        default:
            return {};
        }
    }
    return copy;
}

// ------------------------------------------------------------ queries

bool e_is_group_open(const exp_node& node) {
    return node.kind == exp_operator && (node.op == op_open || node.op == op_gen_open);
}

bool e_is_group_close(const exp_node& node) {
    return node.kind == exp_operator && (node.op == op_close || node.op == op_gen_close);
}

bool e_is_relation(const exp_node& node) {
    return node.kind == exp_operator && node.op >= op_lt && node.op <= op_eq;
}

bool e_is_const_one(const exp_node& node) {
    return node.kind == exp_constant && node.value.kind == val_decimal && node.value.number == 1;
}

bool e_is_negative(Context& ctx, const exp_node& node) {
    switch (node.kind) {
    case exp_constant:
        if (node.value.kind == val_real) return node.value.real < 0;
        if (node.value.kind > val_hex) return false;
        return is_negative_word(node.value.number);
    case exp_operator:
        return node.op == op_minus || node.op == op_minus_reserved;
    case exp_identifier: {
        const sym_entry* entry = ctx.symbols.h_lookup(node.name);
        if (entry == nullptr) return false;
        if (entry->usage == usage::constant) return entry->flag != 0;
        if (entry->usage != usage::literal) return false;
        std::size_t start = entry->text.find_first_not_of(" \t");
        return start != std::string::npos && entry->text[start] == '-';
    }
    default:
        return false;
    }
}

// ------------------------------------------------------------ printing

void ee_logical_pass(exp_list& list, int mode) {
    exp_list rewritten;
    while (!list.empty()) {
        iter comma =
            std::find_if(list.begin(), list.end(), [](const exp_node& n) { return is_op(n, op_comma); });
        // The last piece is rewritten where it stands: moving a range out
        // of a list costs a walk over it, moving a whole list does not.
        if (comma == list.end()) {
            ee_logical_exp(list, mode, false);
            append(rewritten, std::move(list));
            break;
        }
        exp_list piece;
        piece.splice(piece.begin(), list, list.begin(), comma);
        ee_logical_exp(piece, mode, false);
        append(rewritten, std::move(piece));
        if (comma != list.end()) rewritten.splice(rewritten.end(), list, comma);
    }
    list = std::move(rewritten);
}

namespace {

bool is_location(const exp_node& node) {
    return node.loc_flag == 1 && (node.kind == exp_identifier || node.kind == exp_string);
}

bool is_minus(const exp_node& node) {
    return node.kind == exp_operator && node.op == op_minus;
}

// Whether `node` ends an operand, so that a minus after it subtracts.
bool ends_operand(const exp_node& node) {
    return node.kind != exp_operator || node.op == op_close || node.op == op_gen_close;
}

// Whether the location at `at` is subtracted, or has a location subtracted
// from it. PL/M subtracts locations as the WORDs they are; C subtracts from
// a pointer only numbers and pointers of its own type, and counts elements.
// Such a location is taken as a WORD: the difference is a byte distance.
bool in_location_difference(const exp_list& list, exp_list::iterator at) {
    if (!is_location(*at)) return false;
    auto next = std::next(at);
    if (next != list.end() && is_minus(*next) && std::next(next) != list.end() &&
        is_location(*std::next(next)))
        return true;
    if (at == list.begin() || !is_minus(*std::prev(at))) return false;
    auto minus = std::prev(at);
    return minus != list.begin() && ends_operand(*std::prev(minus));
}

// Whether the node at `at` is a term of a sum.
bool in_sum(const exp_list& list, exp_list::iterator at) {
    auto next = std::next(at);
    if (next != list.end() && (is_op(*next, op_plus) || is_minus(*next))) return true;
    if (at == list.begin() || !is_op(*std::prev(at), op_plus)) return false;
    auto plus = std::prev(at);
    return plus != list.begin() && ends_operand(*std::prev(plus));
}

} // namespace

const sym_entry* e_node_entry(Context& ctx, const exp_node& node) {
    return ctx.symbols.h_lookup(node.member.empty() ? node.name : node.name + "." + node.member);
}

bool e_counts_elements(Context& ctx, const exp_node& node) {
    if (node.kind != exp_identifier) return false;
    // An element or a member of a pointer is printed as a C char pointer.
    if (node.loc_flag != 1 && (!node.member.empty() || !node.args.empty())) return false;
    const sym_entry* entry = e_node_entry(ctx, node);
    if (!entry) return false;
    if (node.loc_flag != 1)
        return entry->usage == usage::pointer_scalar && entry->pointee_type != type_code::byte_type;
    if (is_procedure(*entry)) return false;
    if (entry->base_name.empty()) return entry->type_code != type_code::byte_type;
    // The location of a BASED variable is its base: a WORD is a number, a
    // member a plain char pointer.
    const sym_entry* base = ctx.symbols.h_lookup(entry->base_name);
    return base && is_pointer(base->type_code) && !s_based_on_member(*entry) &&
           base->pointee_type != type_code::byte_type;
}

namespace {

} // namespace

void ee_print_exp(Context& ctx, exp_list& list, int mode) {
    ee_print_items(ctx, list, mode, {});
}

std::vector<exp_list::const_iterator> ee_item_starts(const exp_list& list, std::size_t most) {
    std::vector<exp_list::const_iterator> starts;
    if (most == 0 || list.empty()) return starts;
    starts.push_back(list.begin());
    int depth = 0;
    for (auto node = list.begin(); node != list.end() && starts.size() < most; ++node) {
        if (e_is_group_open(*node))
            ++depth;
        else if (e_is_group_close(*node))
            --depth;
        else if (is_op(*node, op_comma) && depth == 0 && std::next(node) != list.end())
            starts.push_back(std::next(node));
    }
    return starts;
}

void ee_print_items(Context& ctx, exp_list& list, int mode, const std::vector<item_casts>& casts) {
    if (!list_is_rewritten(list)) ee_logical_pass(list, mode);
    const std::vector<exp_list::const_iterator> starts = ee_item_starts(list, casts.size());
    std::size_t item = 0;
    const item_casts* current = nullptr;
    // Whether the current item's first node as written is behind: the
    // printer's own parentheses come before it.
    bool past_first = false;
    // The embedded assignments whose value is being printed: the depth of
    // the parentheses they stand in, and the cast their target gives a
    // location (P := 2 + .W stores a WORD into a WORD P).
    struct open_assignment {
        int depth;
        std::string cast;
    };
    std::vector<open_assignment> assignments;
    int depth = 0;
    const auto close_assignments = [&](int from_depth) {
        while (!assignments.empty() && assignments.back().depth >= from_depth)
            assignments.pop_back();
    };
    const exp_node* previous = nullptr;
    // The operands of a comparison are left as they are. Whether the list
    // compares is asked only of a list with a term that would count bytes.
    std::optional<bool> compares;
    const auto list_compares = [&] {
        if (!compares) compares = std::any_of(list.begin(), list.end(), e_is_relation);
        return *compares;
    };
    bool item_open = false;
    const auto close_item = [&] {
        if (current && item_open) ctx.output.print(current->close);
        item_open = false;
    };
    for (auto node = list.begin(); node != list.end(); ++node) {
        const bool item_starts = item < starts.size() && exp_list::const_iterator(node) == starts[item];
        if (item_starts) {
            current = &casts[item++];
            ctx.output.print(current->first);
            item_open = true;
            past_first = false;
        }
        if (e_is_group_open(*node)) {
            ++depth;
        } else if (e_is_group_close(*node)) {
            close_assignments(depth--);
        } else if (is_op(*node, op_comma)) {
            if (depth == 0) close_item();
            close_assignments(depth);
        } else if (is_op(*node, op_assign) && previous) {
            assignments.push_back({depth, ss_number_cast_of(ctx, *previous)});
        }
        // A cast in front of the item's first node is that node's own,
        // unless it opens around the whole item.
        const bool cast_given = item_starts && current && !current->first.empty() && current->close.empty();
        if (in_location_difference(list, node))
            ctx.output.print("(WORD)");
        else if (is_location(*node) && !assignments.empty())
            ctx.output.print(assignments.back().cast);
        else if (past_first && current && is_location(*node) && !current->later_locations.empty())
            ctx.output.print(current->later_locations);
        else if (node->kind == exp_identifier && !cast_given && !(current && current->terms_as_written) &&
                 in_sum(list, node) && e_counts_elements(ctx, *node) && !list_compares())
            ctx.output.print("(BYTE *)");
        if (!is_generated(*node)) past_first = true;
        previous = &*node;
        ee_parse_exp_node(ctx, *node);
    }
    close_item();
}

void ee_parse_exp_node(Context& ctx, exp_node& node) {
    bool address_of = needs_address_of(ctx, node);
    if (address_of) ctx.output.print("&(");
    switch (node.kind) {
    case exp_operator:
        ee_type_op(ctx, node.op);
        break;
    case exp_constant:
        ee_print_num_val(ctx, node.value);
        break;
    case exp_string:
        ee_print_str(ctx, node);
        break;
    case exp_identifier:
        ee_print_id(ctx, node);
        break;
    default:
        s_error(ctx, 5);
        break;
    }
    if (address_of) ctx.output.print(")");
}

void ee_type_op(Context& ctx, int op) {
    if (op < 0 || op >= static_cast<int>(std::size(operator_texts))) {
        s_error(ctx, 5);
        return;
    }
    ctx.output.print(operator_texts[op]);
}

void ee_print_num_val(Context& ctx, const value_node& value) {
    unsigned number = value.number;
    switch (value.kind) {
    case val_character:
        ctx.output.print(std::string(1, static_cast<char>(number)));
        break;
    case val_binary:
    case val_octal:
        print_number(ctx, "0", number, 8);
        break;
    case val_decimal:
        print_number(ctx, "", number, 10);
        break;
    case val_hex:
        print_number(ctx, "0X", number, 16);
        break;
    case val_real:
        print_real(ctx, value.real);
        break;
    case val_string:
        print_string_chars(ctx, value);
        break;
    default:
        s_error(ctx, 5);
        break;
    }
    if (ctx.expressions.init_list_mode() == 1) ctx.output.print("\n");
}

// A C string literal is an array of char; the pointers it is assigned to or
// passed for address BYTEs, which strict compilers do not mix with char.
void ee_print_str(Context& ctx, const exp_node& node) {
    ctx.output.print(" (BYTE *)\"");
    ctx.output.print(node.name);
    ctx.output.print("\" ");
}

void ee_print_id(Context& ctx, exp_node& node) {
    const sym_entry* entry = ctx.symbols.h_lookup(node.name);
    // The entry found is the one every later lookup of the name would find;
    // a built-in variable declared just now is looked up again.
    const bool found = entry != nullptr;
    const auto print_name = [&] {
        if (found)
            s_trnslt_entry(ctx, *entry);
        else
            s_trnslt_var(ctx, node.name);
    };
    if (entry == nullptr) entry = blt_declare_variable(ctx, node.name);
    if (entry == nullptr) {
        print_undeclared_identifier(ctx, node);
        return;
    }
    if (is_based_location(node, *entry)) {
        ctx.output.print(s_get_base_name(ctx, entry->base_name));
        return;
    }
    switch (entry->usage) {
    case usage::array_variable:
        print_name();
        print_subscript(ctx, node.args);
        if (!node.member.empty()) {
            // A member belongs to one element of an array of structures:
            // without a subscript, to the first.
            if (node.args.empty()) ctx.output.print("[0]");
            ctx.output.print(".");
            ctx.output.print(member_c_name(ctx, node));
        }
        print_subscript(ctx, node.member_args);
        break;
    case usage::typed_procedure:
        print_name();
        // The location of a function is the function, as for an untyped
        // one: called, it would give its value instead.
        if (node.loc_flag == 1 && node.args.empty()) break;
        ctx.output.print("(");
        if (!node.args.empty()) ss_print_arguments(ctx, node.args, entry->parameters);
        ctx.output.print(")");
        break;
    case usage::structure_variable:
        print_name();
        if (node.member.empty()) break;
        ctx.output.print(is_based(*entry) ? "->" : ".");
        ctx.output.print(member_c_name(ctx, node));
        print_subscript(ctx, node.member_args);
        break;
    case usage::pointer_scalar:
    case usage::scalar:
    case usage::constant:
    case usage::label:
    case usage::directive_switch:
        print_name();
        break;
    case usage::procedure:
        ctx.output.print(s_access_name(*entry));
        break;
    case usage::none:
    case usage::literal:
    case usage::structure_type:
    case usage::ignored_literal:
        ctx.output.print(node.name);
        break;
    default:
        s_error(ctx, 5);
        break;
    }
}

bool ee_check_struct_loc_ref(Context& ctx, const exp_node& node) {
    const sym_entry* entry = ctx.symbols.h_lookup(node.name + "." + node.member);
    if (entry == nullptr) return false;
    // A member array without subscript is an address already.
    return !(entry->usage == usage::array_variable && node.member_args.empty());
}

// ------------------------------------------------------------- hooks

void print_undeclared_identifier(Context& ctx, exp_node& node) {
    if (node.size_flag == 1) {
        // A size leaf (a type name such as "BYTE "): SIZE of the node alone.
        exp_node call;
        call.kind = exp_identifier;
        call.name = "size";
        call.args.push_back(node);
        call.args.front().size_flag = 0;
        blt_size(ctx, call);
        return;
    }
    if (blt_dispatch(ctx, node)) return;
    ctx.output.print(node.name);
    if (!node.member.empty()) {
        // Only a structure has members: a name used before the module
        // declares it, as an array of structures or a structure. C sees
        // that declaration first, since functions follow the main code.
        print_subscript(ctx, node.args);
        ctx.output.print(".");
        ctx.output.print(node.member);
        print_subscript(ctx, node.member_args);
        return;
    }
    if (node.args.empty()) return;
    ctx.output.print("(");
    ee_print_exp(ctx, node.args, ee_value);
    ctx.output.print(")");
}

} // namespace xlatr
