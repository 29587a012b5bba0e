// Runs a program as a child process in a given directory and measures it
// from the outside: wall time, and peak resident memory from the kernel's
// accounting of that one child.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace xlatr::bench {

struct ProcessResult {
    int exit_status = -1;   // the exit code, or 128 + the signal that ended it
    double seconds = 0;     // wall time
    double cpu_seconds = 0; // user and system time: less moved by other work on the machine
    long peak_kib = 0;
};

// Runs `arguments` (the first is the program) in `directory`, standard input
// from /dev/null and the two output streams into the named files.
ProcessResult run_process(const std::vector<std::string>& arguments, const std::filesystem::path& directory,
                          const std::filesystem::path& stdout_file, const std::filesystem::path& stderr_file);

// The same, through a fresh copy of this program started with
// `launcher_option` (see run_launcher), so that the peak memory is the
// command's own and not that of a large process it was forked from.
ProcessResult run_measured(const std::vector<std::string>& arguments, const std::filesystem::path& directory,
                           const std::filesystem::path& stdout_file,
                           const std::filesystem::path& stderr_file);

inline constexpr const char* launcher_option = "--launch";

// The launcher's side: `arguments` are DIRECTORY STDOUT STDERR COMMAND...;
// runs the command with run_process and prints its result on standard output.
int run_launcher(const std::vector<std::string>& arguments);

} // namespace xlatr::bench
