// The parser's own state: the switches its actions share with the statement
// code, the $INCLUDE path being read, and the owner of the semantic values.
#pragma once

#include "frontend/parse_arena.h"

#include <string>

namespace xlatr {

class Context;

// Deepest parser stack accepted; a deeper nesting abandons the parse. The
// translation recurses once per nesting level (parentheses, NOT, calls,
// blocks), so the bound keeps the C++ stack of the deepest accepted unit
// under a quarter of the usual 8 MB even in a sanitizer build; real modules
// need a few hundred entries at most.
inline constexpr int parser_stack_limit = 2000;

struct Parser {
    // The first DO of the run has been seen: it opened the module body.
    bool first_do_seen = false;
    // The DO being handled is the module body's.
    bool module_block = false;
    // The innermost declare block has its table.
    bool declare_table_allocated = false;
    // The $INCLUDE path of the second pass.
    std::string path_buffer;
    ParseArena arena;

    // Clears the switches for a new run.
    void reset() {
        first_do_seen = false;
        module_block = false;
        declare_table_allocated = false;
        path_buffer.clear();
    }
};

// Parses the whole unit from the current input: 0 when it was accepted, non-
// zero when the parse was abandoned.
int yyparse(Context& ctx);

} // namespace xlatr
