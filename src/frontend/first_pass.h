// LITERALLY expansion and the first pass. The first pass reads the whole unit
// once, following $INCLUDE itself, and enters every text macro in the
// module's declare block, so that the parser's pass finds each macro also
// where it is used before its declaration. In both passes the token stream
// replaces the name of a text macro by the tokens of its text, read from an
// in-memory input pushed on the include stack.
#pragma once

#include <string>

namespace xlatr {

class Context;

// Reads the source to the end of all input, entering every text macro. The
// source and the module's declare block are already pushed.
void s_first_pass(Context& ctx);

// When the current token is an IDENTIFIER naming an expandable macro, makes
// the macro's text the current input and returns true.
bool s_is_macro(Context& ctx, int token);

// Pushes the text of macro `name` as the current input.
bool s_read_macro(Context& ctx, const std::string& name, const std::string& text);

} // namespace xlatr
