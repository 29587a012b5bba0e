// The fuzzer's input layout and how one input becomes a translation run;
// shared by the libFuzzer target and the test that replays the inputs kept
// in fuzz/regressions.
//
// Input layout:
//   byte 0       switches and features:
//                  bit 0 -k, bit 1 -c, bit 2 -p51, bit 3 -d51,
//                  bit 4 an include file, bit 5 the macro prefix
//   the rest     the source; with an include file, the bytes after the first
//                NUL are the include file's text, and the first 0x01 byte of
//                the source is where its $INCLUDE line goes (at the start of
//                the module text when there is none)
#pragma once

#include "driver/run.h"

#include <cctype>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace xlatr::fuzz {

inline constexpr unsigned switch_knr = 1u << 0;
inline constexpr unsigned switch_cond_include = 1u << 1;
inline constexpr unsigned switch_plm51 = 1u << 2;
inline constexpr unsigned switch_c51 = 1u << 3;
inline constexpr unsigned feature_include = 1u << 4;
inline constexpr unsigned feature_macro_prefix = 1u << 5;

inline constexpr char include_split = '\0';
inline constexpr char include_marker = '\x01';
inline constexpr const char* source_name = "FUZZ.PLM";
inline constexpr const char* include_dir = "inc";
inline constexpr const char* include_file = "inc/defs.lit";
inline constexpr const char* include_line = "\n$INCLUDE(INC/DEFS.LIT)\n";

// A module head whose LITERALLY names stand for keywords, types, other
// macros and whole statements, so that a fuzzed body is read mostly through
// macro expansion.
inline constexpr const char* macro_prefix =
    "$SET(FLAG)\n"
    "FUZZ: DO;\n"
    "DECLARE DCL LITERALLY 'DECLARE', LIT LITERALLY 'LITERALLY';\n"
    "DCL B LIT 'BYTE', W LIT 'WORD', TRUE LIT '0FFH', FALSE LIT '0';\n"
    "DCL FOREVER LIT 'WHILE TRUE', PROC LIT 'PROCEDURE', BEGIN LIT 'DO;';\n"
    "DCL SIZE8 LIT '8', TWICE LIT 'SIZE8 + SIZE8', CELL LIT 'W';\n"
    "DCL INCR LIT 'I = I + 1', STR LIT '''AB''';\n"
    "DCL (I, J, K) B, (P, Q) CELL, BUF(TWICE) B, R INTEGER, X REAL;\n"
    "DCL S STRUCTURE (A B, C(4) W), PTR POINTER, V BASED PTR W;\n";
inline constexpr const char* macro_suffix = "\nEND FUZZ;\n";

inline constexpr const char* dat_text = "\"\"\n\"\"\n";

struct FuzzCase {
    std::vector<std::string> args{"xlatr"};
    std::string source;
    std::string include;
    bool has_include = false;
};

// Include names may be absolute or climb out of the scratch directory; the
// translator then reads whatever they name. A device or a process file
// could block or never end, which says nothing about the translator, so an
// input that may spell such a path is not run.
inline bool may_name_system_file(std::string_view input) {
    std::string flat;
    flat.reserve(input.size());
    for (char c : input) {
        if (c == '$' || std::isspace(static_cast<unsigned char>(c))) continue;
        flat += c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (std::string_view root : {"/dev", "/proc", "/sys"})
        if (flat.find(root) != std::string::npos) return true;
    return false;
}

// The run an input stands for; the input holds at least one byte.
inline FuzzCase make_case(std::string_view input) {
    FuzzCase c;
    const unsigned flags = static_cast<unsigned char>(input[0]);
    if (flags & switch_knr) c.args.emplace_back("-k");
    if (flags & switch_cond_include) c.args.emplace_back("-c");
    if (flags & switch_plm51) c.args.emplace_back("-p51");
    if (flags & switch_c51) c.args.emplace_back("-d51");
    c.args.emplace_back(source_name);

    std::string_view rest = input.substr(1);
    std::string body(rest);
    c.has_include = (flags & feature_include) != 0;
    if (c.has_include) {
        std::size_t split = rest.find(include_split);
        body = std::string(rest.substr(0, split));
        if (split != std::string_view::npos) c.include = std::string(rest.substr(split + 1));
        std::size_t marker = body.find(include_marker);
        if (marker != std::string::npos)
            body.replace(marker, 1, include_line);
        else
            body.insert(0, include_line);
    }
    if (flags & feature_macro_prefix)
        c.source = macro_prefix + body + macro_suffix;
    else
        c.source = std::move(body);
    return c;
}

inline bool write_file(const std::filesystem::path& path, std::string_view text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out);
}

// Lays the case's files out in `dir` (which must exist and be empty) beside
// xlatr.dat and the built-in table, and translates there. Returns the exit
// status, or -1 when the files could not be written.
inline int run_case(const FuzzCase& c, const std::filesystem::path& dir, std::string_view builtin_table) {
    std::filesystem::create_directories(dir / include_dir);
    if (!write_file(dir / "xlatr.dat", dat_text) || !write_file(dir / "xlatr.bf", builtin_table) ||
        !write_file(dir / source_name, c.source) ||
        (c.has_include && !write_file(dir / include_file, c.include)))
        return -1;
    std::ostringstream out;
    std::ostringstream err;
    return run(c.args, Environment{dir, out, err});
}

inline std::optional<std::string> read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// What a run must leave as it found it, checked after run_case: every file
// it was given, byte for byte, and no scratch file of an output (named
// ".NAME.xlatr-PID-N") in any folder. Returns what is wrong, or nothing.
inline std::string damage_after_run(const FuzzCase& c, const std::filesystem::path& dir,
                                    std::string_view builtin_table) {
    std::vector<std::pair<std::filesystem::path, std::string_view>> given{
        {dir / "xlatr.dat", dat_text}, {dir / "xlatr.bf", builtin_table}, {dir / source_name, c.source}};
    if (c.has_include) given.emplace_back(dir / include_file, c.include);
    for (const auto& [path, text] : given)
        if (read_file(path) != std::optional<std::string>(text)) return "input changed: " + path.string();
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(dir, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (it->path().filename().string().find(".xlatr-") != std::string::npos)
            return "scratch file left: " + it->path().string();
    return {};
}

} // namespace xlatr::fuzz
