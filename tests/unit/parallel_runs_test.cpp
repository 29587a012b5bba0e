// Sixteen runs of the built translator in one directory at once, as a
// parallel build starts them, must leave what sixteen runs one after another
// leave: every C file whole and the same, builtin.h and the C text of a
// shared include file whole, no scratch file, and a log that holds every
// line of every run, each run's lines in its own order.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int module_count = 16;

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The text of the file, as one open finds it; nullopt when there is none
// yet, so that a file that appears between two looks is not taken as empty.
std::optional<std::string> text_if_there(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string module_name(int n) {
    std::string name = "MOD";
    return name + std::to_string(10 + n) + ".PLM";
}

// A module big enough that its runs overlap: procedures for the C text, a
// variable declared twice per procedure for messages that name the module,
// and two include files, one of its own and one that every module shares.
std::string module_text(int n) {
    const std::string id = std::to_string(10 + n);
    std::string text = "MOD" + id + ": DO;\n$INCLUDE(LIB\\COMMON.PLM)\n$INCLUDE(LIB\\PART" + id + ".PLM)\n";
    for (int p = 0; p < 60 + n; ++p) {
        std::string proc = "P";
        proc += std::to_string(p);
        text += proc +
                ": PROCEDURE (X) WORD;\n   DECLARE X WORD, V BYTE, V BYTE;\n"
                "   IF X > " +
                std::to_string(p) + " THEN RETURN X - SHARED; ELSE RETURN PART" + id + " + X;\nEND " + proc +
                ";\n";
    }
    return text + "END MOD" + id + ";\n";
}

// A fresh directory holding the modules, their include files and the data
// files; removed again at the end.
class Workspace {
  public:
    explicit Workspace(const std::string& label)
        : path_(fs::temp_directory_path() / ("xlatr_parallel_" + label + "_" + std::to_string(::getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_ / "src");
        fs::create_directories(path_ / "gen");
        write_file(path_ / "xlatr.dat", "\"\"\n\"\"\n");
        write_file(path_ / "xlatr.inc", "\"lib\\\" \"src/\" \"gen/\"\n");
        // Its procedures make the include file's output close and reopen
        // around each function, every one a chance for another run to see
        // a file written in place half done.
        std::string common = "DECLARE SHARED WORD PUBLIC;\n";
        for (int i = 0; i < 100; ++i) {
            const std::string name = "SHARED" + std::to_string(i);
            common += "DECLARE TABLE" + std::to_string(i) + " (16) BYTE PUBLIC;\n" + name +
                      ": PROCEDURE BYTE PUBLIC;\n   RETURN TABLE" + std::to_string(i) + "(1);\nEND " + name +
                      ";\n";
        }
        write_file(path_ / "src" / "common.plm", common);
        for (int n = 0; n < module_count; ++n) {
            const std::string id = std::to_string(10 + n);
            write_file(path_ / "src" / ("part" + id + ".plm"), "DECLARE PART" + id + " WORD PUBLIC;\n");
            write_file(path_ / module_name(n), module_text(n));
        }
    }
    ~Workspace() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const fs::path& path() const { return path_; }

    // Every file below the workspace with its content, by relative path.
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(path_))
            if (entry.is_regular_file())
                found[entry.path().lexically_relative(path_).string()] = read_file(entry.path());
        return found;
    }

  private:
    fs::path path_;
};

// Starts the translator on one module in `dir`, its console output thrown away.
pid_t start_run(const fs::path& dir, const std::string& source) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    const int null_device = ::open("/dev/null", O_WRONLY);
    if (null_device < 0 || ::chdir(dir.c_str()) != 0 || ::dup2(null_device, 1) < 0 ||
        ::dup2(null_device, 2) < 0)
        ::_exit(126);
    ::execl(XLATR_EXE, XLATR_EXE, source.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
}

int exit_status(int wait_status) {
    return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
}

int wait_for(pid_t child) {
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
    return exit_status(status);
}

// True when `lines` holds `wanted` in this order, other lines in between.
bool in_order(const std::vector<std::string>& lines, const std::vector<std::string>& wanted) {
    auto next = lines.begin();
    for (const std::string& line : wanted) {
        next = std::find(next, lines.end(), line);
        if (next == lines.end()) return false;
        ++next;
    }
    return true;
}

TEST(ParallelRuns, LeaveWhatRunsOneAfterAnotherLeave) {
    Workspace sequential("sequential");
    std::vector<std::vector<std::string>> lines_of_run;
    for (int n = 0; n < module_count; ++n) {
        const std::string before = read_file(sequential.path() / "xlatr.log");
        ASSERT_EQ(wait_for(start_run(sequential.path(), module_name(n))), 0) << module_name(n);
        lines_of_run.push_back(lines_of(read_file(sequential.path() / "xlatr.log").substr(before.size())));
    }

    std::map<std::string, std::string> expected = sequential.files();
    const std::string expected_log = expected["xlatr.log"];
    expected.erase("xlatr.log");
    ASSERT_TRUE(expected.count("builtin.h") && expected.count("gen/common.plm") && expected.count("MOD10.c"));

    Workspace parallel("parallel");
    std::map<pid_t, std::string> running;
    for (int n = 0; n < module_count; ++n)
        running[start_run(parallel.path(), module_name(n))] = module_name(n);
    // Meanwhile every output that is there must be whole, as a reader in a
    // parallel build would take it.
    std::map<std::string, std::string> seen_half;
    while (!running.empty()) {
        for (const auto& [name, text] : expected) {
            const std::optional<std::string> now = text_if_there(parallel.path() / name);
            if (now && *now != text && now->size() < text.size()) seen_half.emplace(name, *now);
        }
        int status = 0;
        pid_t done = 0;
        while (!running.empty() && (done = ::waitpid(-1, &status, WNOHANG)) > 0) {
            EXPECT_EQ(exit_status(status), 0) << running[done];
            running.erase(done);
        }
        ASSERT_GE(done, 0) << "lost a run";
    }
    for (const auto& [name, text] : seen_half)
        ADD_FAILURE() << name << " was seen half written: " << text.size() << " of " << expected[name].size()
                      << " bytes";

    std::map<std::string, std::string> found = parallel.files();
    const std::string found_log = found["xlatr.log"];
    found.erase("xlatr.log");
    for (const auto& [name, text] : expected)
        EXPECT_TRUE(found.count(name) && found[name] == text) << name << " differs";
    for (const auto& [name, text] : found)
        EXPECT_TRUE(expected.count(name)) << "unexpected file " << name;

    std::vector<std::string> expected_lines = lines_of(expected_log);
    std::vector<std::string> found_lines = lines_of(found_log);
    std::sort(expected_lines.begin(), expected_lines.end());
    std::vector<std::string> sorted_found = found_lines;
    std::sort(sorted_found.begin(), sorted_found.end());
    EXPECT_EQ(sorted_found, expected_lines) << "the log lost, gained or tore a line";
    for (int n = 0; n < module_count; ++n)
        EXPECT_TRUE(in_order(found_lines, lines_of_run[static_cast<std::size_t>(n)]))
            << "the lines of " << module_name(n) << " are out of order";
}

} // namespace
