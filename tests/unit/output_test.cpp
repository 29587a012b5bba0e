#include "support/output.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace xlatr {
namespace {

using testing::TestRun;

TEST(OutputStack, NestedFileClosesAndReopensTheOuterOneInOrder) {
    TestRun run;
    OutputStreams& out = run.ctx.output;
    ASSERT_TRUE(out.o_push_file("tmp_main.t", true, false, Storage::memory));
    out.print("before\n");
    ASSERT_TRUE(out.o_push_file("nested.h", true, false, Storage::disk));
    out.print("inside\n");
    EXPECT_TRUE(out.o_pop_file());
    out.print("after\n");
    EXPECT_FALSE(out.o_pop_file());
    EXPECT_EQ(*run.ctx.files.temps.find("tmp_main.t"), "before\nafter\n");
    EXPECT_EQ(run.dir.read("nested.h"), "inside\n");
    EXPECT_EQ(*out.o_output_name(), "tmp_main.t");
}

TEST(OutputStack, EachFileStartsAtTheMarginAndPopRestoresTheIndent) {
    TestRun run;
    OutputStreams& out = run.ctx.output;
    ASSERT_TRUE(out.o_push_file("tmp_main.t", true, false, Storage::memory));
    out.o_indent_in();
    out.o_indent_in();
    ASSERT_TRUE(out.o_push_file("tmp_func.t", false, false, Storage::memory));
    EXPECT_EQ(out.indent_level(), 0);
    out.o_indent_in();
    out.o_indent();
    out.print("x\n");
    out.o_pop_file();
    EXPECT_EQ(out.indent_level(), 6);
    out.o_indent();
    out.print("y\n");
    EXPECT_EQ(*run.ctx.files.temps.find("tmp_func.t"), "   x\n");
    EXPECT_EQ(*run.ctx.files.temps.find("tmp_main.t"), "      y\n");
}

TEST(OutputStack, WriteModeEmptiesAndAppendModeExtends) {
    TestRun run;
    OutputStreams& out = run.ctx.output;
    out.o_push_file("tmp_func.t", false, false, Storage::memory);
    out.print("one ");
    out.o_pop_file();
    out.o_push_file("tmp_func.t", false, false, Storage::memory);
    out.print("two");
    out.o_pop_file();
    EXPECT_EQ(*run.ctx.files.temps.find("tmp_func.t"), "one two");
    out.o_push_file("tmp_func.t", true, false, Storage::memory);
    out.o_pop_file();
    EXPECT_EQ(*run.ctx.files.temps.find("tmp_func.t"), "");
}

TEST(OutputStack, AFileThatCannotBeCreatedIsRefused) {
    TestRun run;
    EXPECT_FALSE(run.ctx.output.o_push_file("no_such_dir/x.c", true, false, Storage::disk));
    EXPECT_EQ(run.ctx.output.o_output_name(), nullptr);
}

TEST(CopyFiles, JoinsTheScratchTextsAndSkipsMissingOnes) {
    TestRun run;
    TempStore& temps = run.ctx.files.temps;
    temps.open("m", true) = "MAIN";
    temps.open("f", true) = "FUNC";
    run.dir.write("out.c", "#include\n");
    ASSERT_TRUE(run.ctx.output.copy_files("h", "m", "f", "out.c", true));
    EXPECT_EQ(run.dir.read("out.c"), "#include\nMAIN\n\nFUNC");

    temps.open("h", true) = "HEAD";
    ASSERT_TRUE(run.ctx.output.copy_files("h", "", "nothing", "out.c", false));
    EXPECT_EQ(run.dir.read("out.c"), "HEAD\n\n");

    EXPECT_FALSE(run.ctx.output.copy_files("h", "m", "f", "missing_dir/out.c", true));
}

TEST(OutputStack, PrintfTakesTextsOfAnyLengthAndIndentsDeepLevels) {
    TestRun run;
    ASSERT_TRUE(run.ctx.output.o_push_file("tmp_main.t", true, false, Storage::memory));
    const std::string long_name(1000, 'n');
    run.ctx.output.printf("%s=%d;", long_name.c_str(), 42);
    run.ctx.output.printf("%u", 7u);
    for (int level = 0; level < 30; ++level)
        run.ctx.output.o_indent_in();
    run.ctx.output.o_indent();
    EXPECT_EQ(*run.ctx.files.temps.find("tmp_main.t"), long_name + "=42;7" + std::string(90, ' '));
}

TEST(TempStore, ExistsOnlyAfterOpeningAndVanishesOnRemove) {
    TempStore temps;
    EXPECT_EQ(temps.find("a"), nullptr);
    temps.open("a", false) += "x";
    ASSERT_NE(temps.find("a"), nullptr);
    EXPECT_TRUE(temps.remove("a"));
    EXPECT_FALSE(temps.remove("a"));
    EXPECT_TRUE(temps.empty());
}

TEST(TempStore, AnExpectedTextExistsOnlyOnceOpenedAndThenHasItsRoom) {
    TempStore temps;
    temps.expect("tmp_func.t", 100000);
    EXPECT_EQ(temps.find("tmp_func.t"), nullptr);
    EXPECT_TRUE(temps.empty());
    std::string& text = temps.open("tmp_func.t", false);
    EXPECT_EQ(text, "");
    EXPECT_GE(text.capacity(), 100000u);
    EXPECT_LT(temps.open("other.t", false).capacity(), 100000u);
}

TEST(TempStore, ATakenTextNoLongerExists) {
    TempStore temps;
    temps.open("tmp_main.t", true) += "body";
    EXPECT_EQ(temps.take("tmp_main.t"), std::optional<std::string>("body"));
    EXPECT_EQ(temps.find("tmp_main.t"), nullptr);
    EXPECT_EQ(temps.take("tmp_main.t"), std::nullopt);
}

} // namespace
} // namespace xlatr
