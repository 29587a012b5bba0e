// Locations among the initial values of integer variables.
//
// PL/M keeps a location in a WORD: `tab ADDRESS DATA(.a, .b)` is a table of
// addresses laid down by the linker. In C an address is a constant only for
// a pointer; converted to a 16-bit integer it is no constant at all, and a
// static initialiser that holds one is refused. Such an initial value is
// therefore printed as 0 in its place, and the module's initialisation
// function (`<module>_init`, written after the module's functions) stores
// the location at run time. A module with a main program calls it first
// thing; any other module leaves the call to the program that links it, and
// says so.
#pragma once

#include "translate/expressions.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace xlatr {

class Context;
struct sym_entry;

// The statements the module's initialisation function will hold.
class InitialLocations {
  public:
    bool empty() const { return assignments_.empty(); }
    void add(std::string assignment) { assignments_.push_back(std::move(assignment)); }
    const std::vector<std::string>& assignments() const { return assignments_; }

    // Those of the locals of the procedure being declared, which its
    // function stores itself, once.
    std::vector<std::string> take_local() { return std::exchange(local_, {}); }
    void add_local(std::string assignment) { local_.push_back(std::move(assignment)); }

  private:
    std::vector<std::string> assignments_;
    std::vector<std::string> local_;
};

// Makes the initial values of `entry` printable as a C initialiser: every
// location that lands in an element that is not a pointer is replaced by 0,
// and its assignment is kept: for the initialisation function when the
// variable lives at file scope, else for its procedure's function.
void dd_take_initial_locations(Context& ctx, const sym_entry& entry, exp_list& values);

// The number of elements that the initial values of `entry`, an array of
// dimension (*), fill; nullopt when they cannot be counted.
std::optional<long> dd_implicit_dimension(Context& ctx, const sym_entry& entry, const exp_list& values);

// Marks each string of two characters among the initial values of a
// structure variable that falls on a member wider than a byte as one value
// (value_node::word_pair), as the initial values of a WORD array take it.
void dd_mark_word_pairs(Context& ctx, const sym_entry& entry, exp_list& values);

// After a procedure's declarations: the statements that store the
// locations of its locals' initial values, guarded so that they run at the
// first call only, as PL/M sets initial values once.
void dd_store_local_locations(Context& ctx);

// The name of the module's initialisation function.
std::string dd_init_function_name(const Context& ctx);

// Called when main opens: the call of the initialisation function, when the
// module has one.
void dd_call_init_function(Context& ctx);

// Called at the module's END: the initialisation function with its
// prototype, and the message that a module without a main program leaves
// the call to its user.
void dd_write_init_function(Context& ctx);

} // namespace xlatr
