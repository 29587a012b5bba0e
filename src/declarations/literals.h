// Literal constants: a LITERALLY whose text is a single number becomes a C
// macro, printed where the declaration stands; a name that only continues a
// structure spread over several LITERALLY texts is kept from expansion.
#pragma once

#include "declarations/values.h"

#include <string>

namespace xlatr {

class Context;

// Prints "#define NAME value" for a numeric LITERALLY and records the name as
// a named constant. A name already declared in the current scope keeps its
// first definition and gets a warning instead.
void d_literal_numeric(Context& ctx, std::string name, value_node value);

// Switches the expansion of `name` off, creating an entry when it has none.
void d_set_literal_ignor(Context& ctx, std::string name);

} // namespace xlatr
