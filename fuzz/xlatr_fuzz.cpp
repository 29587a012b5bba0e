// libFuzzer target: one whole translation per input, run in process in a
// scratch directory of its own.
//
// Input layout:
//   byte 0       switches and features:
//                  bit 0 -k, bit 1 -c, bit 2 -p51, bit 3 -d51,
//                  bit 4 an include file, bit 5 the macro prefix
//   the rest     the source; with an include file, the bytes after the first
//                NUL are the include file's text, and the first 0x01 byte of
//                the source is where its $INCLUDE line goes (at the start of
//                the module text when there is none)
//
// Any crash, sanitizer report, escaping exception or status other than 0 and
// 1 is a finding. The target keeps no state between inputs: the scratch
// directory is named after the process and emptied after every run.
#include "driver/run.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "xlatr_bf_text.h"

namespace {

namespace fs = std::filesystem;

constexpr unsigned switch_knr = 1u << 0;
constexpr unsigned switch_cond_include = 1u << 1;
constexpr unsigned switch_plm51 = 1u << 2;
constexpr unsigned switch_c51 = 1u << 3;
constexpr unsigned feature_include = 1u << 4;
constexpr unsigned feature_macro_prefix = 1u << 5;

constexpr char include_split = '\0';
constexpr char include_marker = '\x01';
constexpr const char* source_name = "FUZZ.PLM";
constexpr const char* include_dir = "inc";
constexpr const char* include_file = "inc/defs.lit";
constexpr const char* include_line = "\n$INCLUDE(INC/DEFS.LIT)\n";

// A module head whose LITERALLY names stand for keywords, types, other
// macros and whole statements, so that a fuzzed body is read mostly through
// macro expansion.
constexpr const char* macro_prefix = "$SET(FLAG)\n"
                                     "FUZZ: DO;\n"
                                     "DECLARE DCL LITERALLY 'DECLARE', LIT LITERALLY 'LITERALLY';\n"
                                     "DCL B LIT 'BYTE', W LIT 'WORD', TRUE LIT '0FFH', FALSE LIT '0';\n"
                                     "DCL FOREVER LIT 'WHILE TRUE', PROC LIT 'PROCEDURE', BEGIN LIT 'DO;';\n"
                                     "DCL SIZE8 LIT '8', TWICE LIT 'SIZE8 + SIZE8', CELL LIT 'W';\n"
                                     "DCL INCR LIT 'I = I + 1', STR LIT '''AB''';\n"
                                     "DCL (I, J, K) B, (P, Q) CELL, BUF(TWICE) B, R INTEGER, X REAL;\n"
                                     "DCL S STRUCTURE (A B, C(4) W), PTR POINTER, V BASED PTR W;\n";
constexpr const char* macro_suffix = "\nEND FUZZ;\n";

constexpr const char* dat_text = "\"\"\n\"\"\n";

// Include names may be absolute or climb out of the scratch directory; the
// translator then reads whatever they name. A device or a process file
// could block or never end, which says nothing about the translator, so an
// input that may spell such a path is not run.
bool may_name_system_file(std::string_view data) {
    std::string flat;
    flat.reserve(data.size());
    for (char c : data) {
        if (c == '$' || std::isspace(static_cast<unsigned char>(c))) continue;
        flat += c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (std::string_view root : {"/dev", "/proc", "/sys"})
        if (flat.find(root) != std::string::npos) return true;
    return false;
}

void write_file(const fs::path& path, std::string_view text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) std::abort();
}

fs::path scratch_dir() {
    std::error_code ec;
    fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    return base / ("xlatr-fuzz-" + std::to_string(::getpid()));
}

struct Case {
    std::vector<std::string> args{"xlatr"};
    std::string source;
    std::string include;
    bool has_include = false;
};

Case make_case(const std::uint8_t* data, std::size_t size) {
    Case c;
    const unsigned flags = data[0];
    if (flags & switch_knr) c.args.emplace_back("-k");
    if (flags & switch_cond_include) c.args.emplace_back("-c");
    if (flags & switch_plm51) c.args.emplace_back("-p51");
    if (flags & switch_c51) c.args.emplace_back("-d51");
    c.args.emplace_back(source_name);

    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
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

int run_case(const Case& c, const fs::path& dir) {
    fs::create_directories(dir / include_dir);
    write_file(dir / "xlatr.dat", dat_text);
    write_file(dir / "xlatr.bf", std::string_view(xlatr_bf_text, sizeof xlatr_bf_text));
    write_file(dir / source_name, c.source);
    if (c.has_include) write_file(dir / include_file, c.include);
    std::ostringstream out;
    std::ostringstream err;
    return xlatr::run(c.args, xlatr::Environment{dir, out, err});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return -1;
    if (may_name_system_file(std::string_view(reinterpret_cast<const char*>(data), size))) return -1;
    const fs::path dir = scratch_dir();
    std::error_code ec;
    fs::remove_all(dir, ec);
    const int status = run_case(make_case(data, size), dir);
    fs::remove_all(dir, ec);
    if (status != 0 && status != 1) std::abort();
    return 0;
}
