// Declaration emission: declared names wait on a pending list until the
// declaration section of their scope ends, then print as C declarations into
// the current output stream. Waiting lets later declarations of the section
// change earlier ones (a BASED variable retypes its pointer) and lets the
// names of a factored declaration print as one C declaration.
#pragma once

#include "declarations/initial_locations.h"
#include "declarations/records.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace xlatr {

class Context;

enum pending_sign : int {
    printed_or_skipped = 0,
    ordinary_pending = 1,
    parameter_pending = -1,
};

// One node of the pending list.
struct kept_id {
    // On the first name of a factored group: the number of names printed
    // together; 0 on every other node.
    int group_count = 0;
    int pending = ordinary_pending;
    std::string name;
};

// The declaration state of a run. The pending list is shared by the module
// and the procedure being translated.
class Declarations {
  public:
    void dd_keep_id_name(std::string_view name);
    // Sets the pending value of the first node of this name.
    void dd_set_id_pending(std::string_view name, int value);
    // Forgets the whole list (after a successful flush).
    void release_pending() { pending_.clear(); }
    // Sets the list aside while an inner procedure is translated, and puts
    // it back behind what is pending then.
    std::vector<kept_id> take_pending() { return std::exchange(pending_, {}); }
    void restore_pending(std::vector<kept_id> kept) {
        pending_.insert(pending_.end(), std::make_move_iterator(kept.begin()),
                        std::make_move_iterator(kept.end()));
    }

    std::vector<kept_id>& pending() { return pending_; }
    const std::vector<kept_id>& pending() const { return pending_; }
    kept_id* find(std::string_view name);

    // The next generated structure type number (StrucT1, StrucT2, ...); the
    // count runs over the whole translation.
    int next_struct_number() { return ++struct_counter_; }

    // Links the calls that print the names of one factored group.
    bool type_printed = false;
    // ANSI parameter lists: parameters still to print.
    int ansi_params_left = 0;
    // What the module's initialisation function stores.
    InitialLocations initial_locations;

  private:
    std::vector<kept_id> pending_;
    int struct_counter_ = 0;
};

// Prints everything pending in the current scope, then the waiting remarks,
// and releases the pending lists; false when some declaration could not be
// printed.
bool d_flush_declarations(Context& ctx);
// Forgets the pending declarations without printing them (the parameters of
// an EXTERNAL procedure in K&R mode, which has no parameter list).
void dd_discard_pending(Context& ctx);
// Prints the pending declarations whose pending value has the sign of
// `sign`, one C declaration per group, each ended by ";\n".
bool dd_flush_simple_dec(Context& ctx, int sign);
// ANSI parameter declarations in the order of `parameters`, separated by
// ", ".
bool dd_flush_Ansi_params(Context& ctx, int sign, int count, const name_list& parameters);
bool dd_flush_Ansi_simple_dec(Context& ctx, int sign, std::string_view name);
// Marks the `count` names from `first` on as one group; procedure parameters
// are taken out of it.
void dd_set_id_num_of_mem(Context& ctx, std::string_view first, int count);

enum single_dec_result : int {
    dec_not_found = 0,
    dec_printed = 1,
    dec_not_declared = -1, // a BASED variable: reached through its pointer
};

// One declaration without its terminator.
int dd_flush_single_dec(Context& ctx, std::string_view name, bool newline, bool continuation, bool in_union);
// The same as a whole line, as unions print their members.
int dd_flush_single_dec_line(Context& ctx, std::string_view name, bool newline, bool in_union);

// The file-scope copy of a parameter that procedures nested in its own
// procedure reach: static, the parameter's type, the copy's name.
void dd_flush_param_copy_dec(Context& ctx, const sym_entry& param, std::string_view copy);

// Printing pieces.
void dd_extern_dec(Context& ctx, const loc_var_attr* attrs, bool may_be_static, bool has_values);
void dd_type_dec(Context& ctx, const sym_entry& entry, const var_type* type);
void dd_basic_type_dec(Context& ctx, xlatr::type_code code);
const char* dd_mem_space(const Context& ctx, int space);
const char* dd_mem_space_code(const Context& ctx, int space, int initialisation_kind);
void dd_array_dec(Context& ctx, array_spec* dim);
void dd_struct_mem_dec(Context& ctx, struct_spec_list& members);
// " = " and the initial values of `entry`: a string of two characters is
// one value for elements wider than a byte, and a pointer's locations take
// its type.
void dd_init_dec(Context& ctx, const sym_entry& entry, loc_var_attr* attrs);
// C initialises a union through its first member, the target of the
// overlays: " = { values }" from the target's initial values, if any.
void dd_init_union(Context& ctx, sym_entry& target);

// Defines a structure type: prints its typedef at once and makes `name` an
// entry of usage structure_type holding the members. Serves the generated
// StrucT types and the structure LITERALLY declarations.
void d_literal_struct(Context& ctx, std::string name, struct_spec_list members);

} // namespace xlatr
