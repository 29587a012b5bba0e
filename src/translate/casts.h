// The cast a value gets when it is given to a variable: assigned to it, or
// passed for a parameter, which C initialises from the argument as by
// assignment. PL/M keeps addresses in WORDs and POINTERs alike; C converts
// a pointer to an integer, or to a pointer of another type, only through a
// cast.
#pragma once

#include "translate/expressions.h"

#include <string>
#include <vector>

namespace xlatr {

class Context;
struct sym_entry;

// The memory-space word of a cast to the type of `entry`.
std::string ss_mem_space(const Context& ctx, const sym_entry& entry);

// "(WORD  )": the cast to the number type of `target`, with its
// memory-space word.
std::string ss_number_cast(Context& ctx, const sym_entry& target);

// Prints the cast that the value of `list` starting at `first` needs to be
// given to `target`, chosen by that first node; nothing for a target of no
// type, and nothing for an embedded assignment (P := .W), whose target a
// cast in front would turn into no lvalue.
void ss_print_value_cast(Context& ctx, const sym_entry& target, const exp_list& list,
                         exp_list::const_iterator first);

// The casts of a value given to `target` whose nodes start at `first`:
// the cast chosen by that first node, and for a whole-number target the
// cast of each later location in the value (`2 + .BUF` adds numbers) when
// the value is plain arithmetic (no relation). A location in the value of
// an embedded assignment takes the cast of that assignment's target.
item_casts ss_value_casts(Context& ctx, const sym_entry& target, const exp_list& list,
                          exp_list::const_iterator first);

// The cast that a location takes when it is stored into `target`, the
// target of an embedded assignment: "(WORD  )" for a whole-number variable
// or member, nothing for any other.
std::string ss_number_cast_of(Context& ctx, const exp_node& target);

// The casts of the initial values of a pointer, one per value: a location
// of anything but a BYTE (a WORD, a structure, a procedure) is converted to
// the pointer's type; every other value stays as it is.
std::vector<item_casts> ss_initial_pointer_casts(Context& ctx, const sym_entry& target, const exp_list& values);

// The cast of a value whose first node is `value` returned by a POINTER
// procedure: "(POINTER)", by way of an integer for a procedure's location.
std::string ss_pointer_result_cast(Context& ctx, const exp_node& value);

// Prints `list` as a value given to `target`, with those casts.
void ss_print_value(Context& ctx, const sym_entry& target, exp_list& list);

// Prints a call's argument list, each argument cast as for the parameter
// it is given to; `parameters` may be shorter than the list (or empty).
void ss_print_arguments(Context& ctx, exp_list& args, const std::vector<sym_entry>& parameters);

} // namespace xlatr
