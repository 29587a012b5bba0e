#include "support/messages.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace xlatr {
namespace {

using testing::TestRun;

TEST(Catalogue, UndefinedNumbersAreReportedAndFail) {
    for (int number : {0, 13, -1, 32, 99}) {
        TestRun run;
        s_error_msg(run.ctx, number, 5, "tok");
        EXPECT_EQ(run.err.str(), "error " + std::to_string(number) + " is not defined in \"s_error_msg\"\n");
        EXPECT_TRUE(run.ctx.messages.error_flag);
    }
    for (int number = 1; number <= 31; ++number) EXPECT_EQ(s_error_defined(number), number != 13) << number;
}

TEST(Catalogue, ArgumentsFollowEachMessagesOrderAndSeverity) {
    TestRun run;
    run.dir.write("a.plm", "");
    ASSERT_TRUE(run.ctx.includes.i_push_file("a.plm", false, false));
    s_error_msg(run.ctx, 2, 7, "x");
    EXPECT_FALSE(run.ctx.messages.error_flag);
    s_error_msg(run.ctx, 18, 8, "id");
    s_error_msg(run.ctx, 31, 9, "thing");
    s_error_msg(run.ctx, 4, 10, "");
    EXPECT_EQ(run.err.str(), "a.plm: note! remark within remark ignored in line 7\n"
                             "a.plm: fatal! id near \"id\" was not previously defined - line 8\n"
                             "a.plm: warning! line 9 - ignoring \"thing\".\n"
                             "   \tPlease treat according to your C compiler\n"
                             "a.plm: fatal! there is an unclosed remark upon reaching the end of input file\n");
    EXPECT_TRUE(run.ctx.messages.error_flag);
}

TEST(MessageChannel, ConsoleAndLogReceiveTheSameText) {
    TestRun run;
    ASSERT_TRUE(run.ctx.messages.open_log((run.dir.path() / "xlatr.log").string()));
    run.ctx.messages.log_printf("%s=%d\n", "n", 3);
    s_warn_multiply_declared(run.ctx, "v");
    std::string expected = "n=3\n(null): warning - \"v\" is multiply declared in line 1\n";
    EXPECT_EQ(run.err.str(), expected);
    EXPECT_EQ(run.dir.read("xlatr.log"), expected);
    EXPECT_FALSE(run.ctx.messages.error_flag);
}

} // namespace
} // namespace xlatr
