// Expression lists: PL/M expressions held in source (infix) order, with their
// parentheses, built by the grammar and by the declaration size routines, and
// printed as C after one rewrite for PL/M's truth rules (a condition tests
// the lowest bit; a comparison used as a value yields 0FFFFH or 0).
//
// Shape: an expression is an `exp_list`, a std::list of `exp_node`s that
// owns its nodes; a node owns its texts, its value and its `args` and
// `member_args` lists. std::list keeps positions stable while the rewrite
// inserts wrappers around them and moves groups out and back (splice). A
// list with no nodes is the "no list" of the design (a linked list has no
// other way to be empty): absent arguments, absent subscripts and null
// results are all empty lists, and an absent member is an empty text.
// Copying a node or a list is a deep copy.
#pragma once

#include "declarations/values.h"

#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

namespace xlatr {

class Context;
struct sym_entry;

enum exp_kind : int {
    exp_operator = 0,
    exp_constant = 1,
    exp_string = 2,     // location of a string list: .('text')
    exp_identifier = 3, // data reference, call or location of a variable
};

// Operator codes; 0 to 20 come from the scanner, 21 to 29 only from the
// rewrite.
enum exp_op : int {
    op_assign = 0,
    op_and = 1,
    op_or = 2,
    op_not = 3,
    op_xor = 4,
    op_lt = 5,
    op_gt = 6,
    op_le = 7,
    op_ge = 8,
    op_ne = 9,
    op_eq = 10,
    op_plus = 11,
    op_minus = 12,
    op_times = 13,
    op_slash = 14,
    op_mod = 15,
    op_plus_reserved = 16,
    op_minus_reserved = 17,
    op_open = 18,
    op_close = 19,
    op_comma = 20,
    op_logical_and = 21,
    op_logical_or = 22,
    op_question = 23,
    op_colon = 24,
    op_gen_open = 25,
    op_gen_close = 26,
    op_logical_not = 27,
    op_low_bit = 28,
    op_empty = 29,
};

// How ee_print_exp treats an expression: tested as a truth value, or used
// for its value.
enum exp_mode : int {
    ee_condition = 0,
    ee_value = 1,
};

struct exp_node;
using exp_list = std::list<exp_node>;

struct exp_node {
    int kind = exp_operator;
    int op = op_assign;   // kind 0
    int loc_flag = 0;     // 1: written after the location operator; always 1 on kind 2
    int size_flag = 0;    // 1: identifier stands for the size of the named thing
    exp_list args;        // kind 3: subscript or call arguments, items separated by commas
    std::string name;     // kind 3: identifier; kind 2: the C text of the string
    value_node value;     // kind 1
    std::string member;   // kind 3: member of name.member, empty when none
    exp_list member_args; // kind 3: subscript of the member
};

// Constructors. Each returns a whole list; a single node is a one-node list.
exp_list e_get_id(std::string name, exp_list args);
// `member_ref` is the one-node holder built by e_member_ref, or empty.
exp_list e_data_ref(std::string name, exp_list args, exp_list member_ref);
exp_list e_member_ref(std::string member, exp_list subscript);
// The location of a string list; `text` stands as it will between the quotes
// of a C string literal, escapes included (see c_string_text).
exp_list e_str_loc_ref(std::string text);
// The text of a PL/M string as it stands in a C string literal.
std::string c_string_text(std::string_view text);
// A byte given by its value in a string list: a three-digit octal escape.
std::string c_string_byte(unsigned value);
exp_list e_create_const(value_node value);
exp_list e_get_op(int code);
exp_list e_get_word_const(Context& ctx, int kind, std::uint32_t number);
// left op right; with `left` empty, op right.
exp_list e_binary_exp(exp_list left, int code, exp_list right);
exp_list e_unary_exp(int code, exp_list operand);
// open list close; empty when `list` is empty.
exp_list e_paren_exp(int open, exp_list list, int close);
exp_list e_concat(exp_list a, exp_list b);
// a + b; with one side empty the other side.
exp_list e_add_exp(exp_list a, exp_list b);
// (a) * (b); a factor that is the decimal constant 1 is left out; empty when
// either side is empty.
exp_list e_mult_exp(exp_list a, exp_list b);
// Deep copy; empty when a node (or a constant's value) has a kind that no
// printer knows.
exp_list e_copy_expr(const exp_list& list);

// Queries.
bool e_is_const_one(const exp_node& node);
// Parentheses of the source and of the printer alike: only the depth
// matters.
bool e_is_group_open(const exp_node& node);
bool e_is_group_close(const exp_node& node);
// One of the relations <, >, <=, >=, <>, =.
bool e_is_relation(const exp_node& node);
// True when the expression starting at `node` starts with a minus sign.
bool e_is_negative(Context& ctx, const exp_node& node);

// Printing, to the current output stream. `list` may be rewritten (once: a
// list that holds generated operators is printed as it is).
void ee_print_exp(Context& ctx, exp_list& list, int mode);
// The casts of one comma-separated item of a list: `first` where the item
// starts, `later_locations` before each location in it after its first
// node (outside subscripts and argument lists, which are values of their
// own), so that `2 + .BUF` given to a WORD adds numbers.
struct item_casts {
    std::string first;
    std::string later_locations;
    // Closes what `first` opened, after the item's last node: `first` then
    // takes a whole sum, whose terms count bytes, to a pointer's type.
    std::string close;
    // The terms stay as written, pointers counting elements.
    bool terms_as_written = false;
};
// The declaration an identifier node names: the member's own entry when it
// has a member; null when there is none.
const sym_entry* e_node_entry(Context& ctx, const exp_node& node);
// Whether `node`, a term of a sum, is a pointer to data wider than a byte
// in C (a location, a typed pointer), which would add elements, not bytes.
bool e_counts_elements(Context& ctx, const exp_node& node);
// The same, printing the casts of the list's i-th item as it goes (an item
// without casts gets none).
void ee_print_items(Context& ctx, exp_list& list, int mode, const std::vector<item_casts>& casts);
// Where the list's comma-separated items start, the first `most` of them.
std::vector<exp_list::const_iterator> ee_item_starts(const exp_list& list, std::size_t most);
void ee_parse_exp_node(Context& ctx, exp_node& node);
void ee_type_op(Context& ctx, int op);
void ee_print_num_val(Context& ctx, const value_node& value);
void ee_print_str(Context& ctx, const exp_node& node);
void ee_print_id(Context& ctx, exp_node& node);
// Whether the location of name.member needs an address-of wrapper.
bool ee_check_struct_loc_ref(Context& ctx, const exp_node& node);

// The logical rewrite on its own (ee_print_exp applies it when needed).
void ee_logical_pass(exp_list& list, int mode);

// The C name of a declared variable: its access path when it has one (union
// members, named constants, lifted names), else its name.
const std::string& s_access_name(const sym_entry& entry);
// Prints the C form of a declared name, a BASED variable as the dereference
// of its base pointer; 0 (nothing printed) when the name is not declared.
// The C text of a base pointer: a member is reached through its owner
// (u.s.p for member p of s in union u, sp->q for member q of a structure
// BASED on sp).
std::string s_get_base_name(Context& ctx, const std::string& name);
// Whether a BASED variable's base is a structure member (a POINTER member is
// a plain char pointer).
bool s_based_on_member(const sym_entry& entry);
int s_trnslt_var(Context& ctx, const std::string& name);
// The same for the entry a lookup of the name found.
void s_trnslt_entry(Context& ctx, const sym_entry& entry);

// Hooks for the parts still to come.
// Prints an identifier that the PL/M source does not declare. Built-ins
// (SIZE, LENGTH, LAST, the xlatr.bf table) and size leaves belong here.
void print_undeclared_identifier(Context& ctx, exp_node& node);

// The printing state of a run.
class Expressions {
  public:
    // Declaration emission brackets initial-value lists with these: in the
    // list every constant ends its line.
    // A list for elements wider than a byte takes a string of two
    // characters as one WORD value, as an expression does.
    void ee_init_list_on(bool word_elements = false) {
        init_list_mode_ = 1;
        word_elements_ = word_elements;
    }
    void ee_init_list_off() {
        init_list_mode_ = 0;
        word_elements_ = false;
    }
    int init_list_mode() const { return init_list_mode_; }
    bool word_elements() const { return word_elements_; }

  private:
    int init_list_mode_ = 0;
    bool word_elements_ = false;
};

} // namespace xlatr
