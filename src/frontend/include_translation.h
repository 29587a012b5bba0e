// $INCLUDE in the second pass: the including text gets an #include line for
// the translated file, and the included PL/M file is translated into a C text
// of its own (in place, inside a procedure), which is assembled with the
// prototypes and functions it declared when the file ends.
#pragma once

#include <cstddef>
#include <string>

namespace xlatr {

class Context;

// The $INCLUDE directive with its path as the parser assembled it.
void dv_include_state(Context& ctx, const std::string& path);

// Where the C text of an included file goes: the output directory the
// include map gives for its directory (else include_dir), with the file's
// own name.
std::string i_include_output_path(const Context& ctx, const std::string& path);

// Opens an included file for translation. False when the file or its
// output cannot be opened.
bool s_inc_state(Context& ctx, const std::string& path);

} // namespace xlatr
