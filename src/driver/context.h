// The run context: every piece of state of one translation run. Nothing in
// the translator keeps state outside it, so any number of runs can happen in
// one process.
#pragma once

#include "declarations/directives.h"
#include "declarations/emission.h"
#include "declarations/symbols.h"
#include "declarations/unions.h"
#include "driver/config.h"
#include "frontend/include_map.h"
#include "frontend/include_stack.h"
#include "frontend/keywords.h"
#include "frontend/parser.h"
#include "frontend/scanner.h"
#include "support/files.h"
#include "support/messages.h"
#include "support/output.h"
#include "support/remarks.h"
#include "translate/blocks.h"
#include "translate/builtins.h"
#include "translate/do_case.h"
#include "translate/expressions.h"
#include "translate/labels.h"
#include "translate/procedures.h"
#include "translate/statements.h"

#include <filesystem>
#include <ostream>

namespace xlatr {

// Where a run reads and writes: its working directory and console streams.
struct Environment {
    std::filesystem::path working_dir;
    std::ostream& out;
    std::ostream& err;
};

// Thrown to end a run at once; the driver turns it into the exit status.
struct RunStop {};

struct Options {
    bool ansi_flag = true;          // -k, -K: K&R C instead of ANSI C
    bool cond_include_flag = false; // -c: skip includes inside a false $IF
    bool plm51_flag = false;        // -p51, -P51
    bool c51_flag = false;          // -d51, -C51
};

class Context {
  public:
    explicit Context(Environment environment);
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    Environment env;
    FileLayer files;
    Messages messages;
    Config config;
    IncludeMap include_map;
    Options options;
    OutputStreams output;
    IncludeStack includes;
    Keywords keywords;
    Scanner scanner;
    SymbolTables symbols;
    Remarks remarks;
    Blocks blocks;
    Expressions expressions;
    Declarations declarations;
    Unions unions;
    Directives directives;
    Statements statements;
    DoCase do_case;
    Procedures procedures;
    Labels labels;
    Builtins builtins;
    Parser parser;

    int s_current_line() const { return scanner.s_current_line(); }
    void s_set_line(int line) { scanner.s_set_line(line); }
    const char* i_current_file_name() const { return includes.i_current_file_name(); }
    // The current input's name as messages print it.
    const char* message_file() const;

    // Prints what is still waiting into an include file's output before the
    // file is assembled.
    void flush_before_assembly();
};

} // namespace xlatr
