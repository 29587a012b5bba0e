// Built-in procedures. SIZE, LENGTH and LAST become sizeof arithmetic; every
// other built-in is looked up in the table read from xlatr.bf, which maps a
// PL/M name and the type of its first argument to a C function, declared in
// builtin.h.
#pragma once

#include "translate/expressions.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

namespace xlatr {

class Context;

// The C functions that stand for one PL/M built-in, by the type of its first
// argument; an empty slot keeps the PL/M name.
struct builtin_entry {
    enum slot : int { byte_slot, word_slot, dword_slot, pointer_slot, integer_slot, real_slot, bit_slot };
    std::array<std::string, 7> c_names;
};

class Builtins {
  public:
    // Enters one record; false when the parameter type word is unknown (the
    // name is entered all the same).
    bool blt_hash_insert(Context& ctx, std::string name, std::string_view type_word, std::string c_name);
    const builtin_entry* blt_lookup(std::string_view name) const;
    void clear() { table_.clear(); }

  private:
    std::unordered_map<std::string, builtin_entry> table_;
};

// Reads xlatr.bf into the table and declares each C function through the
// current output stream (builtin.h); false when the file is missing or
// malformed (a malformed one is also reported).
bool blt_init(Context& ctx);

// For an identifier the source does not declare: true when it printed the
// node (SIZE, and LENGTH and LAST of a declared name); otherwise the node may
// have been given the name of its C function and the caller prints the call.
bool blt_dispatch(Context& ctx, exp_node& node);
void blt_size(Context& ctx, exp_node& node);
bool blt_length(Context& ctx, exp_node& node, bool close);
bool blt_last(Context& ctx, exp_node& node);
// Replaces the name of a table built-in (and of those in its arguments) by
// the C function that takes the type of its first argument.
void blt_translate_call(Context& ctx, exp_node& node);
// The largest type code among the operands of the first argument of `list`;
// -1 when none counts.
int blt_get_parm_type(Context& ctx, const exp_list& list, int depth);

} // namespace xlatr
