// PL/M's built-in variables: MEMORY, the free memory above the program (a
// BYTE array), and STACKPTR and STACKBASE, the stack registers (WORDs). C
// has none of them. The first use of such a name that the module does not
// declare itself declares it EXTERNAL at module scope, and the C file
// declares it extern, for the program's C environment to define.
#pragma once

#include <string_view>

namespace xlatr {

class Context;
struct sym_entry;

// The entry of the built-in variable `name`, declared now if it is not yet;
// null when `name` is no built-in variable.
sym_entry* blt_declare_variable(Context& ctx, std::string_view name);

} // namespace xlatr
