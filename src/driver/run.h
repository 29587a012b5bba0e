// One translation run, from command line to summary.
#pragma once

#include "driver/context.h"

#include <string>
#include <vector>

namespace xlatr {

// Runs the translator as the command line `args` (program name first) asks,
// in the given environment. Returns the exit status: 0 for success and for
// the usage text, 1 for a failed run.
int run(const std::vector<std::string>& args, const Environment& environment);

// The C file's path for a source name, by the include map or output_dir.
std::string c_file_path(const Context& ctx, std::string_view source);

// The path of builtin.h as the C file's #include line writes it.
std::string builtin_h_path(const Context& ctx);

} // namespace xlatr
