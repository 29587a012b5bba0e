// Procedures: a PL/M PROCEDURE becomes a C function. The heading opens the
// function's own output and captures its opening text (remarks, storage
// class, the K&R header) as remark text that the first flush of the
// procedure's declarations prints; that flush also completes the header with
// the parameter list. Each function's text is collected on its own and
// joined to the function text of the unit when the procedure ends, so the
// text of one function is never split by another.
#pragma once

#include "declarations/emission.h"
#include "declarations/records.h"
#include "support/remarks.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace xlatr {

class Context;

// Storage attribute codes as the grammar gives them.
enum proc_storage : int {
    proc_plain = 0,
    proc_reentrant_code = 1,
    proc_interrupt = 2,
    proc_public = 3,
    proc_external = 4,
    proc_public_reentrant = 5,
    proc_public_interrupt = 6,
};

// A procedure without a return type.
inline constexpr int proc_untyped = -1;

// The state of one procedure from its heading to its END.
struct procedure_frame {
    std::string proc_name;
    // The procedure's own entry, in the enclosing scope (null when the name
    // was taken there).
    sym_entry* entry = nullptr;
    // Parameter names in source order, until the header is completed.
    name_list proc_params;
    bool proc_header_pending = false;
    bool proc_external = false;
    bool proc_reentrant = false;
    int storage = proc_plain;
    // ANSI mode: the words in front of the name ("extern " and the type).
    std::string proc_type_text;
    // The procedure stands in a conditional-compilation region.
    bool in_condition = false;
    // An EXTERNAL C function declared without a parameter list, so that
    // every call may pass arguments (the functions of the built-in table).
    bool open_parameter_list = false;
    // Such a function's parameter list for compilers that call only through
    // prototypes with parameters (8051 compilers): its first parameter's
    // type and the rest open ("BYTE, ..."); empty for a list left out.
    std::string open_parameters;
    // The scratch text that collects the function until its END.
    std::string body_name;

    // A procedure that contains procedures: its locals live at file scope,
    // and its parameters are copied at entry into file-scope variables, so
    // that the functions made from the inner procedures reach them.
    bool lifted = false;
    // Copy name and parameter name, assigned when the function starts.
    std::vector<std::pair<std::string, std::string>> param_copies;
    // What the procedure had pending, and its opening text, while an inner
    // procedure is translated.
    std::vector<kept_id> saved_pending;
    remark_list saved_header;
};

class Procedures {
  public:
    // The procedure being declared or translated, innermost last.
    std::vector<procedure_frame> frames;
    // Numbers the scratch texts of function bodies.
    int body_counter = 0;
    // C names taken at file scope besides the module's own declarations:
    // functions, lifted locals and parameter copies.
    std::set<std::string, std::less<>> file_scope_names;
    // The variables and procedures that the module declares anywhere, as
    // the first pass finds them: a local lifted to file scope before a
    // later one of them is declared must not take its name.
    std::set<std::string, std::less<>> module_names;

    procedure_frame* current() { return frames.empty() ? nullptr : &frames.back(); }
    const procedure_frame* current() const { return frames.empty() ? nullptr : &frames.back(); }
};

// The heading: `type` is a type code or proc_untyped, `storage` a
// proc_storage code. False when the function's output cannot be opened.
bool p_declare_procedure(Context& ctx, const std::string& name, name_list params, int type, int storage);
// Completes a pending header; the first flush of the procedure's
// declarations calls it.
void p_func_parms(Context& ctx);
// The END of a procedure, with the label written in front of END (or empty).
void p_proc_end(Context& ctx, const std::string& label);

// At the start of a function whose procedure contains procedures: copies the
// parameters into their file-scope variables (once).
void p_copy_lifted_params(Context& ctx);

// `name` is a parameter of the procedure being declared.
bool p_is_param(const Context& ctx, std::string_view name);
// Inside a REENTRANT procedure: its locals are automatic.
bool p_in_reentrant(const Context& ctx);

} // namespace xlatr
