// Inputs that no translation can make sense of, and places where no output
// can go: each run ends quickly with a message naming the file and status 1,
// without a crash, and leaves its inputs as they were. The small cases are
// golden cases; these need inputs made at test time or a user without root's
// privileges, or a limit on the size of files.
#include "driver/run.h"
#include "frontend/include_stack.h"
#include "frontend/parser.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace xlatr {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string messages;
};

// `count` copies of `piece`, a line end after every `per_line` of them, so
// that deep nesting does not make an overlong line.
std::string repeated(const std::string& piece, int count, int per_line = 100) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += piece;
        if (i % per_line == 0) text += '\n';
    }
    return text;
}

class BadInput : public ::testing::Test {
  protected:
    void SetUp() override { dir.write("xlatr.dat", "\"\"\n\"\"\n"); }

    Outcome translate(const std::string& source) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = run({"xlatr", source}, Environment{dir.path(), out, err});
        return {status, err.str()};
    }

    // Translates in a child process that first becomes an unprivileged user
    // when the tests run as root, whom permissions do not stop. The messages
    // are those of the log. Skips the test where privileges cannot be dropped.
    Outcome translate_unprivileged(const std::string& source) {
        constexpr int cannot_drop = 77;
        constexpr unsigned unprivileged = 65534;
        fs::permissions(dir.path(), fs::perms::all);
        const pid_t child = ::fork();
        if (child == 0) {
            if (::geteuid() == 0 &&
                (::setgroups(0, nullptr) != 0 || ::setgid(unprivileged) != 0 || ::setuid(unprivileged) != 0))
                ::_exit(cannot_drop);
            ::_exit(translate(source).status);
        }
        int wait_status = 0;
        if (child < 0 || ::waitpid(child, &wait_status, 0) != child) return {};
        if (!WIFEXITED(wait_status)) return {};
        return {WEXITSTATUS(wait_status), dir.read("xlatr.log")};
    }

    // Translates in a child process that may write no file longer than
    // `bytes`: a write past it fails as it would on a full disk. The
    // messages are those of the log.
    Outcome translate_with_file_limit(const std::string& source, rlim_t bytes) {
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit limit{bytes, bytes};
            std::signal(SIGXFSZ, SIG_IGN);
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(99);
            ::_exit(translate(source).status);
        }
        int wait_status = 0;
        if (child < 0 || ::waitpid(child, &wait_status, 0) != child) return {};
        if (!WIFEXITED(wait_status)) return {};
        return {WEXITSTATUS(wait_status), dir.read("xlatr.log")};
    }

    testing::ScratchDir dir;
};

TEST_F(BadInput, ALineOfTenMegabytesIsRefusedAtOnce) {
    const std::string text =
        "BIG: DO;\nDECLARE A BYTE;\nA = 1" + std::string(10'000'000, ' ') + "+ 1;\nEND BIG;\n";
    dir.write("BIG.PLM", text);
    const Outcome outcome = translate("BIG.PLM");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.messages, "BIG.PLM:\nBIG.PLM: fatal! line 3 is longer than 65535 characters\n");
    EXPECT_EQ(dir.read("BIG.PLM"), text);
    EXPECT_FALSE(dir.exists("BIG.c"));
    EXPECT_FALSE(dir.exists("builtin.h"));
}

TEST_F(BadInput, ALineAsLongAsTheLimitIsStillSource) {
    const std::size_t limit = IncludeStack::line_length_limit;
    dir.write("EDGE.PLM", "EDGE: DO;\n/*" + std::string(limit - 4, '-') + "*/\nEND EDGE;\n");
    EXPECT_EQ(translate("EDGE.PLM").status, 0);
    dir.write("OVER.PLM", "OVER: DO;\n/*" + std::string(limit - 3, '-') + "*/\nEND OVER;\n");
    EXPECT_EQ(translate("OVER.PLM").messages,
              "OVER.PLM:\nOVER.PLM: fatal! line 2 is longer than 65535 characters\n");
}

TEST_F(BadInput, AHundredThousandNestedParenthesesAbandonTheParse) {
    dir.write("DEEP.PLM", "DEEP: DO;\nDECLARE A BYTE;\nA = " + repeated("(", 100'000) + "A" +
                              repeated(")", 100'000) + ";\nEND DEEP;\n");
    const Outcome outcome = translate("DEEP.PLM");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.messages, "DEEP.PLM:\nDEEP.PLM: fatal! syntax error in last line in file\n");
    EXPECT_EQ(dir.read("DEEP.c"), "#include\t \"builtin.h\"\n\n");
}

TEST_F(BadInput, AHundredThousandNestedDosAbandonTheParse) {
    dir.write("DEEP.PLM",
              "DEEP: DO;\n" + repeated("DO;", 100'000, 1) + repeated("END;", 100'000, 1) + "END DEEP;\n");
    const Outcome outcome = translate("DEEP.PLM");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.messages, "DEEP.PLM:\nDEEP.PLM: fatal! syntax error in last line in file\n");
}

// The translation recurses once per level of each of these; the parser's
// bound has to keep the deepest unit it accepts within the C++ stack.
TEST_F(BadInput, TheDeepestNestingsTheParserAcceptsAreTranslated) {
    const int levels = parser_stack_limit / 2 - 25;
    const std::string head = "DEEP: DO;\nDECLARE (A, B) WORD;\n";
    const std::string nestings[] = {
        "A = " + repeated("(", 2 * levels) + "A" + repeated(")", 2 * levels) + ";\n",
        "IF " + repeated("NOT (", levels) + "A > 1" + repeated(")", levels) + " THEN A = 1;\n",
        "A = " + repeated("SHL(", levels) + "A" + repeated(", 1)", levels) + ";\n",
        "A = " + repeated("-", 2 * levels) + "A;\n",
        repeated("DO;", levels, 1) + "A = 1;\n" + repeated("END;", levels, 1),
        repeated("DO CASE A;", levels, 1) + "A = 1;\n" + repeated("END;", levels, 1),
    };
    for (const std::string& nesting : nestings) {
        dir.write("DEEP.PLM", head + nesting + "END DEEP;\n");
        const Outcome outcome = translate("DEEP.PLM");
        EXPECT_EQ(outcome.status, 0) << outcome.messages << nesting.substr(0, 40);
    }
}

TEST_F(BadInput, AnUnreadableSourceCannotBeOpened) {
    const std::string text = "SECRET: DO;\nEND SECRET;\n";
    dir.write("SECRET.PLM", text);
    fs::permissions(dir.path() / "SECRET.PLM", fs::perms::none);
    const Outcome outcome = translate_unprivileged("SECRET.PLM");
    if (outcome.status == 77) GTEST_SKIP() << "root's privileges cannot be dropped here";
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.messages, "SECRET.PLM:\nERROR! cannot open input file \"SECRET.PLM\"\n");
    fs::permissions(dir.path() / "SECRET.PLM", fs::perms::owner_read);
    EXPECT_EQ(dir.read("SECRET.PLM"), text);
}

TEST_F(BadInput, AReadOnlyOutputDirectoryFailsTheRunByName) {
    dir.write("xlatr.dat", "\"\"\n\"gen/\"\n");
    dir.write("PROG.PLM", "PROG: DO;\nDECLARE A BYTE;\nA = 1;\nEND PROG;\n");
    fs::create_directory(dir.path() / "gen");
    fs::permissions(dir.path() / "gen", fs::perms::owner_read | fs::perms::owner_exec |
                                            fs::perms::others_read | fs::perms::others_exec);
    const Outcome outcome = translate_unprivileged("PROG.PLM");
    if (outcome.status == 77) GTEST_SKIP() << "root's privileges cannot be dropped here";
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.messages, "PROG.PLM:\nERROR! cannot open output file \"gen/PROG.c\"\n");
    EXPECT_TRUE(fs::is_empty(dir.path() / "gen"));
    EXPECT_TRUE(dir.exists("builtin.h"));
}

TEST_F(BadInput, AFullDiskFailsTheRunByNameAndLeavesNoPartOfTheFile) {
    // About 40 KB of C, against files of at most 16 KB.
    std::string source = "BIG: DO;\n";
    for (int i = 0; i < 2000; ++i)
        source += "DECLARE V" + std::to_string(i) + " WORD;\n";
    source += "END BIG;\n";
    dir.write("BIG.PLM", source);
    const Outcome outcome = translate_with_file_limit("BIG.PLM", 16384);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.messages, "BIG.PLM:\nERROR! cannot write output file \"BIG.c\"\n");
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"BIG.PLM", "builtin.h", "xlatr.dat", "xlatr.log"}));
    EXPECT_EQ(dir.read("BIG.PLM"), source);
}

} // namespace
} // namespace xlatr
