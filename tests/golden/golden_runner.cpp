// End-to-end cases. Every folder beside this file that holds an `args` file is
// one case: its input files are copied to a scratch directory, the built
// translator runs there, and what it prints, writes and leaves behind is
// compared byte for byte with the folder's `expected/`.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A hung translator must not hang the suite; the alarm survives exec.
constexpr unsigned process_time_limit_seconds = 120;

struct GoldenCase {
    std::string name;
    fs::path dir;
};

void PrintTo(const GoldenCase& golden_case, std::ostream* os) {
    *os << golden_case.dir.string();
}

// Files of a case folder that describe the case instead of being its input.
bool is_case_metadata(const fs::path& top_level_name) {
    constexpr std::string_view names[] = {"args", "about", "pending", "expected"};
    return std::find(std::begin(names), std::end(names), top_level_name.string()) != std::end(names);
}

// Streams and status are compared on their own; the rest of expected/ are files.
bool is_stream_expectation(const std::string& relative_path) {
    return relative_path == "stdout" || relative_path == "stderr" || relative_path == "status";
}

std::string test_name_of(const std::string& folder) {
    std::string name = folder;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

std::vector<GoldenCase> discover_cases() {
    std::vector<GoldenCase> cases;
    for (const fs::directory_entry& entry : fs::directory_iterator(GOLDEN_DIR)) {
        if (entry.is_directory() && fs::is_regular_file(entry.path() / "args")) {
            cases.push_back({test_name_of(entry.path().filename().string()), entry.path()});
        }
    }
    std::sort(cases.begin(), cases.end(),
              [](const GoldenCase& a, const GoldenCase& b) { return a.name < b.name; });
    return cases;
}

std::optional<std::string> read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string read_required(const fs::path& path) {
    std::optional<std::string> text = read_file(path);
    if (!text) throw std::runtime_error("cannot read " + path.string());
    return *text;
}

// One argument per line; empty lines are not arguments.
std::vector<std::string> read_args(const fs::path& path) {
    std::vector<std::string> args;
    std::istringstream lines(read_required(path));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty()) args.push_back(line);
    }
    return args;
}

int expected_status(const fs::path& expected_dir) {
    const std::optional<std::string> text = read_file(expected_dir / "status");
    if (!text) return 0;
    std::size_t used = 0;
    const int status = std::stoi(*text, &used);
    if (text->find_first_not_of(" \t\r\n", used) != std::string::npos) {
        throw std::runtime_error("expected/status is not a decimal number");
    }
    return status;
}

// Cases that select the 8051 memory spaces produce C that only an 8051
// compiler accepts.
bool selects_8051(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& arg) {
        return arg == "-p51" || arg == "-P51" || arg == "-d51" || arg == "-C51";
    });
}

std::string escaped(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (std::isprint(static_cast<unsigned char>(c))) {
                out += c;
            } else {
                char code[8];
                std::snprintf(code, sizeof code, "\\x%02x", static_cast<unsigned char>(c));
                out += code;
            }
        }
    }
    return out + "\"";
}

// Lines keep their '\n', so a missing final line end shows as a difference.
std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

std::optional<std::string> difference(const std::string& what, const std::string& expected,
                                      const std::string& actual) {
    if (expected == actual) return std::nullopt;
    const std::vector<std::string_view> want = split_lines(expected);
    const std::vector<std::string_view> got = split_lines(actual);
    std::size_t line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line])
        ++line;
    const auto shown = [line](const std::vector<std::string_view>& lines) {
        return line < lines.size() ? escaped(lines[line]) : std::string("<end of text>");
    };
    std::ostringstream report;
    report << what << " differs at line " << line + 1 << ":\n"
           << "  expected: " << shown(want) << "\n"
           << "  actual:   " << shown(got) << "\n"
           << "  (expected " << expected.size() << " bytes, got " << actual.size() << ")";
    return report.str();
}

class ScratchDir {
  public:
    ScratchDir() {
        std::string pattern = (fs::temp_directory_path() / "xlatr-golden-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a scratch directory: " +
                                     std::string(std::strerror(errno)));
        }
        root_ = pattern;
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    ~ScratchDir() {
        if (std::getenv("XLATR_KEEP_GOLDEN") != nullptr) {
            std::cout << "golden case kept in " << root_.string() << "\n";
            return;
        }
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    const fs::path& path() const { return root_; }

  private:
    fs::path root_;
};

struct ProcessResult {
    std::string out;
    std::string err;
    std::optional<int> exit_status; // empty when the process did not exit normally
    std::string how_it_ended;
};

// Runs argv[0] (searched in PATH when it has no '/') in `cwd`, with standard
// input from /dev/null and both output streams captured into files under
// `capture_dir`, which lies outside `cwd`.
ProcessResult run_process(const std::vector<std::string>& argv, const fs::path& cwd,
                          const fs::path& capture_dir) {
    const std::string out_path = (capture_dir / "stdout").string();
    const std::string err_path = (capture_dir / "stderr").string();
    const std::string cwd_path = cwd.string();
    std::vector<char*> c_argv;
    for (const std::string& arg : argv)
        c_argv.push_back(const_cast<char*>(arg.c_str()));
    c_argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed: " + std::string(std::strerror(errno)));
    if (pid == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || dup2(in, STDIN_FILENO) < 0 || dup2(out, STDOUT_FILENO) < 0 ||
            dup2(err, STDERR_FILENO) < 0 || chdir(cwd_path.c_str()) != 0) {
            _exit(126);
        }
        close(in);
        close(out);
        close(err);
        alarm(process_time_limit_seconds);
        execvp(c_argv[0], c_argv.data());
        _exit(127);
    }

    int wait_status = 0;
    while (waitpid(pid, &wait_status, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error("waitpid failed: " + std::string(std::strerror(errno)));
    }
    ProcessResult result{read_required(out_path), read_required(err_path), std::nullopt, ""};
    if (WIFEXITED(wait_status)) {
        result.exit_status = WEXITSTATUS(wait_status);
        result.how_it_ended = "exit status " + std::to_string(*result.exit_status);
    } else if (WIFSIGNALED(wait_status)) {
        const int signal_number = WTERMSIG(wait_status);
        result.how_it_ended =
            "signal " + std::to_string(signal_number) + " (" + strsignal(signal_number) + ")";
    } else {
        result.how_it_ended = "unknown wait status " + std::to_string(wait_status);
    }
    return result;
}

// What the scratch directory held before the run: file contents by relative
// path, and directories with no content.
using Snapshot = std::map<std::string, std::optional<std::string>>;

Snapshot copy_inputs(const fs::path& case_dir, const fs::path& work) {
    for (const fs::directory_entry& entry : fs::directory_iterator(case_dir)) {
        if (!is_case_metadata(entry.path().filename())) {
            fs::copy(entry.path(), work / entry.path().filename(), fs::copy_options::recursive);
        }
    }
    Snapshot inputs;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(work)) {
        const std::string relative = entry.path().lexically_relative(work).generic_string();
        if (entry.is_directory()) {
            inputs[relative] = std::nullopt;
        } else {
            // A read-only checkout must not keep the translator from appending to a log.
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
            inputs[relative] = read_required(entry.path());
        }
    }
    return inputs;
}

// The files the run must leave, by path relative to the scratch directory.
std::map<std::string, std::string> expected_files(const fs::path& expected_dir) {
    std::map<std::string, std::string> files;
    if (!fs::is_directory(expected_dir)) return files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(expected_dir)) {
        const std::string relative = entry.path().lexically_relative(expected_dir).generic_string();
        if (entry.is_regular_file() && !is_stream_expectation(relative)) {
            files[relative] = read_required(entry.path());
        }
    }
    return files;
}

void expect_files_written(const fs::path& work, const std::map<std::string, std::string>& files) {
    for (const auto& [relative, content] : files) {
        const std::optional<std::string> actual = read_file(work / relative);
        if (!actual) {
            ADD_FAILURE() << "expected file " << relative << " was not created";
        } else if (const auto report = difference("file " + relative, content, *actual)) {
            ADD_FAILURE() << *report;
        }
    }
}

// Nothing may appear that is neither an input nor expected, and an input that
// is not listed in expected/ must come out of the run untouched.
void expect_nothing_else(const fs::path& work, const Snapshot& inputs,
                         const std::map<std::string, std::string>& files) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(work)) {
        const std::string relative = entry.path().lexically_relative(work).generic_string();
        if (!inputs.contains(relative) && !files.contains(relative)) {
            ADD_FAILURE() << "unexpected " << (entry.is_directory() ? "directory " : "file ") << relative
                          << " left by the run";
        }
    }
    for (const auto& [relative, content] : inputs) {
        if (files.contains(relative)) continue;
        const fs::path path = work / relative;
        if (!content) {
            if (!fs::is_directory(path)) ADD_FAILURE() << "input directory " << relative << " was removed";
            continue;
        }
        const std::optional<std::string> actual = read_file(path);
        if (!actual) {
            ADD_FAILURE() << "input file " << relative << " was removed";
        } else if (const auto report = difference("input file " + relative + " (not listed in expected/)",
                                                  *content, *actual)) {
            ADD_FAILURE() << *report;
        }
    }
}

bool on_path(const std::string& program) {
    const char* path = std::getenv("PATH");
    if (!path) return false;
    std::string dirs = path;
    for (std::size_t start = 0; start <= dirs.size();) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        const fs::path candidate = fs::path(dirs.substr(start, end - start)) / program;
        std::error_code ec;
        if (!candidate.empty() && fs::is_regular_file(candidate, ec)) return true;
        start = end + 1;
    }
    return false;
}

// The compilers that must accept the C of a case: gcc in strict C89 and
// clang for hosted C, SDCC for the 8051 memory spaces; those that are not
// installed are left out (the plain cc stands in for a missing gcc).
std::vector<std::vector<std::string>> compilers_for(bool for_8051, const fs::path& capture_dir) {
    std::vector<std::vector<std::string>> compilers;
    if (for_8051) {
        if (on_path("sdcc"))
            compilers.push_back({"sdcc", "-mmcs51", "--std-c89", "-Dxdata=__xdata", "-Ddata=__data", "-Dcode=__code",
                                 "-Didata=__idata", "-I.", "-c", "-o", (capture_dir / "sdcc.rel").string()});
        return compilers;
    }
    if (on_path("gcc"))
        compilers.push_back({"gcc", "-std=c89", "-pedantic-errors", "-fsyntax-only", "-I."});
    else
        compilers.push_back({"cc", "-std=c89", "-fsyntax-only", "-I."});
    if (on_path("clang")) compilers.push_back({"clang", "-std=c89", "-fsyntax-only", "-I."});
    return compilers;
}

// `-I.` lets a C file written into a subdirectory find a builtin.h that was
// written elsewhere under the case, as a user compiling from there would.
void expect_c_files_compile(const fs::path& work, const fs::path& capture_dir,
                            const std::map<std::string, std::string>& files, bool for_8051) {
    for (const auto& [relative, content] : files) {
        if (fs::path(relative).extension() != ".c") continue;
        for (std::vector<std::string> compiler : compilers_for(for_8051, capture_dir)) {
            compiler.push_back(relative);
            const ProcessResult cc = run_process(compiler, work, capture_dir);
            if (cc.exit_status != 0) {
                ADD_FAILURE() << compiler.front() << " rejects " << relative << " (" << cc.how_it_ended << "):\n"
                              << cc.err << cc.out;
            }
        }
    }
}

class Case : public testing::TestWithParam<GoldenCase> {};

TEST_P(Case, Run) {
    const fs::path case_dir = GetParam().dir;
    if (fs::exists(case_dir / "pending")) {
        GTEST_SKIP() << "pending until the parser translates the source: "
                     << read_file(case_dir / "about").value_or("");
    }
    const fs::path expected_dir = case_dir / "expected";
    const std::vector<std::string> args = read_args(case_dir / "args");
    const int status = expected_status(expected_dir);
    const std::map<std::string, std::string> files = expected_files(expected_dir);

    const ScratchDir scratch;
    const fs::path work = scratch.path() / "work";
    fs::create_directory(work);
    const Snapshot inputs = copy_inputs(case_dir, work);

    std::vector<std::string> argv{XLATR_EXE};
    argv.insert(argv.end(), args.begin(), args.end());
    const ProcessResult run = run_process(argv, work, scratch.path());

    EXPECT_EQ(run.exit_status, status) << "xlatr ended with " << run.how_it_ended << "\nstderr:\n" << run.err;
    for (const auto& [stream, actual] : {std::pair{"stdout", &run.out}, std::pair{"stderr", &run.err}}) {
        const std::string expected = read_file(expected_dir / stream).value_or("");
        if (const auto report = difference(stream, expected, *actual)) ADD_FAILURE() << *report;
    }
    expect_files_written(work, files);
    expect_nothing_else(work, inputs, files);

    if (status == 0) expect_c_files_compile(work, scratch.path(), files, selects_8051(args));
}

INSTANTIATE_TEST_SUITE_P(Golden, Case, testing::ValuesIn(discover_cases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) { return info.param.name; });

} // namespace
