// AT overlays: a variable placed AT the address of another (x, an element
// x(i), a member x.m or x(i).m(j)) becomes a member of a C union that also
// holds its target. A variable at a non-zero offset gets an anonymous
// structure of its own inside the union, whose filler arrays push it to its
// byte offset; the offset is kept as an expression of type sizes. From then
// on the variables are reached through their access paths (Un1.x,
// Un1.St1.y), which the expression printer uses instead of the bare names.
#pragma once

#include "declarations/records.h"
#include "translate/expressions.h"

#include <string>
#include <string_view>
#include <vector>

namespace xlatr {

class Context;
struct sym_entry;

// One union being built.
struct union_desc {
    // The member variables in the order they joined.
    name_list members;
    // A member is PUBLIC: the union is named after the first such member
    // and shared with other modules.
    bool is_public = false;
    std::string name;
};

using union_list = std::vector<union_desc>;

// The union state of a run: the module's unions and those of the procedure
// being translated, the parameters that live in a union, and the counters of
// the generated names.
class Unions {
  public:
    union_list module_unions;
    union_list procedure_unions;
    // Union-placed parameters, copied into the union when the function starts.
    name_list un_func_parms;

    // Un1, Un2, ... and St1, St2, ... count over the whole run.
    int next_union_number() { return ++union_counter_; }
    int next_structure_number() { return ++structure_counter_; }

  private:
    int union_counter_ = 0;
    int structure_counter_ = 0;
};

// The unions of the current scope: the procedure's inside a procedure, else
// the module's.
union_list& current_unions(Context& ctx);

// Queues a declared variable for printing, or, with an AT expression, places
// it into a union of the current scope. False when the target of the AT is
// not declared.
bool dd_set_union_attr(Context& ctx, sym_entry& entry, const exp_list& at);
// False when a union of that name is already in the current list.
bool dd_open_union(Context& ctx, std::string_view name);
// False when the union is not in the current list.
bool dd_keep_union_mem(Context& ctx, std::string_view union_name, std::string_view member);

// Prints every union of the current list; false when a member could not be
// printed.
bool d_flush_unions(Context& ctx);
bool dd_flush_single_union(Context& ctx, union_desc& desc);
// Whether `entry` is the first member of its union, whose initial values
// are the union's.
bool dd_initialises_union(Context& ctx, const sym_entry& entry);
// A union that holds a PUBLIC variable is named Un_ and that variable's name,
// so that other modules can derive it; every member's access path follows.
void dd_update_public(Context& ctx, union_desc& desc);
void d_update_public_un(Context& ctx, std::string_view union_name);

void d_keep_un_func_parm(Context& ctx, std::string_view name);
// Copies each union-placed parameter into its union member, then forgets
// the list.
void dd_flush_un_func_parms(Context& ctx);
void dd_free_un_func_list(Context& ctx);

// A target that moves into a union leaves its place on the pending list;
// its remark goes to the next pending declaration so that it keeps its place.
void d_move_remark_forward(Context& ctx, sym_entry& target);

// Sizes as expressions: type-size leaves (identifier nodes "BYTE ",
// "WORD " ... marked with size_flag) joined by + and products. Empty when
// there is no size.
exp_list dd_calc_fld_size(Context& ctx, const sym_entry& entry);
exp_list dd_calc_mem_fld_size(Context& ctx, std::string_view member, const sym_entry& entry);
exp_list dd_calc_mem_offset(Context& ctx, std::string_view member, const sym_entry& entry);
// Copies an offset or a subscript; empty (with message 11) when it holds
// something an offset cannot (a character, a string, a real number).
exp_list dd_copy_un_offset(Context& ctx, const exp_list& expr);

} // namespace xlatr
