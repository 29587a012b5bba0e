#include "process.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace xlatr::bench {

ProcessResult run_process(const std::vector<std::string>& arguments, const std::filesystem::path& directory,
                          const std::filesystem::path& stdout_file,
                          const std::filesystem::path& stderr_file) {
    // Everything the child needs is prepared before fork: between fork and
    // exec it may only make system calls.
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const std::string dir = directory.string();
    const std::string out = stdout_file.string();
    const std::string err = stderr_file.string();

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("cannot start " + arguments.front());
    if (child == 0) {
        const int in_fd = ::open("/dev/null", O_RDONLY);
        const int out_fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        const int err_fd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        if (in_fd < 0 || out_fd < 0 || err_fd < 0 || ::dup2(in_fd, 0) < 0 || ::dup2(out_fd, 1) < 0 ||
            ::dup2(err_fd, 2) < 0 || ::chdir(dir.c_str()) != 0)
            ::_exit(126);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    while (::wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR) throw std::runtime_error("cannot wait for " + arguments.front());
    }
    ProcessResult result;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.peak_kib = usage.ru_maxrss;
    const auto seconds_of = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    result.cpu_seconds = seconds_of(usage.ru_utime) + seconds_of(usage.ru_stime);
    result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

ProcessResult run_measured(const std::vector<std::string>& arguments, const std::filesystem::path& directory,
                           const std::filesystem::path& stdout_file,
                           const std::filesystem::path& stderr_file) {
    // Linux carries a process's peak memory across exec, and a forked child
    // starts with its parent's pages: the launcher is small, this process
    // may hold hundreds of megabytes of generated text.
    std::vector<std::string> launcher = {std::filesystem::read_symlink("/proc/self/exe").string(),
                                         launcher_option, directory.string(), stdout_file.string(),
                                         stderr_file.string()};
    launcher.insert(launcher.end(), arguments.begin(), arguments.end());
    const std::filesystem::path report = stdout_file.string() + ".measured";
    const std::filesystem::path failure = stdout_file.string() + ".launcher";
    const ProcessResult launched = run_process(launcher, directory, report, failure);
    ProcessResult result;
    std::ifstream in(report);
    if (launched.exit_status != 0 ||
        !(in >> result.exit_status >> result.seconds >> result.cpu_seconds >> result.peak_kib))
        throw std::runtime_error("the launcher could not run " + arguments.front());
    std::filesystem::remove(report);
    std::filesystem::remove(failure);
    return result;
}

int run_launcher(const std::vector<std::string>& arguments) {
    if (arguments.size() < 4) return 2;
    const std::vector<std::string> command(arguments.begin() + 3, arguments.end());
    const ProcessResult result = run_process(command, arguments[0], arguments[1], arguments[2]);
    std::cout << result.exit_status << ' ' << result.seconds << ' ' << result.cpu_seconds << ' '
              << result.peak_kib << '\n';
    return std::cout.flush() ? 0 : 1;
}

} // namespace xlatr::bench
