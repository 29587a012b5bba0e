// libFuzzer target: one whole translation per input (laid out as
// fuzz_case.h says), run in process in a scratch directory of its own.
//
// Any crash, sanitizer report, escaping exception, status other than 0 and
// 1, input file changed or scratch file of an output left behind is a
// finding. The target keeps no state between inputs: the scratch
// directory is named after the process and emptied after every run.
#include "fuzz_case.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

#include "xlatr_bf_text.h"

namespace {

std::filesystem::path scratch_dir() {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    return base / ("xlatr-fuzz-" + std::to_string(::getpid()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.empty() || xlatr::fuzz::may_name_system_file(input)) return -1;
    const std::filesystem::path dir = scratch_dir();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    const std::string_view table(xlatr_bf_text, sizeof xlatr_bf_text);
    const xlatr::fuzz::FuzzCase fuzz_case = xlatr::fuzz::make_case(input);
    const int status = xlatr::fuzz::run_case(fuzz_case, dir, table);
    const std::string damage = xlatr::fuzz::damage_after_run(fuzz_case, dir, table);
    std::filesystem::remove_all(dir, ec);
    if (!damage.empty()) std::fprintf(stderr, "%s\n", damage.c_str());
    if ((status != 0 && status != 1) || !damage.empty()) std::abort();
    return 0;
}
