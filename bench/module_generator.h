// Large PL/M modules for measuring the translator: realistic in shape (units
// of procedures with parameters, locals and inner procedures, structures,
// BASED and AT variables, macros from an include file, built-in calls, every
// kind of DO block and remarks) and deterministic for a given seed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace xlatr::bench {

// The generated files' names: the module includes INC/BENCH.LIT, which an
// include map reads from `include_directory`; its C text is written beside
// the module's C file under the include file's own name.
inline constexpr const char* module_file_name = "bench.plm";
inline constexpr const char* module_c_file_name = "bench.c";
inline constexpr const char* include_directory = "inc";
inline constexpr const char* include_file_name = "bench.lit";
inline constexpr const char* include_map_text = "\"inc/\" \"inc/\" \"\"\n";

// Lines of the module at scale 1.
inline constexpr long lines_per_scale = 20000;

struct GeneratedModule {
    std::string source;
    std::string include_text;
    long source_lines = 0;
    long include_lines = 0;
    int units = 0;
};

// A module of about `scale` times `lines_per_scale` lines; the same scale
// and seed always give the same text.
GeneratedModule generate_module(double scale, std::uint64_t seed);

// A module holding one assignment `X = 1 + X + X ...` whose expression takes
// about `bytes` characters; with `line_length` 0 it is all on one line,
// otherwise it is broken after a term once a line reaches that length.
std::string generate_long_expression(std::size_t bytes, std::size_t line_length);

long count_lines(const std::string& text);

} // namespace xlatr::bench
