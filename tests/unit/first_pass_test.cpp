#include "frontend/first_pass.h"

#include "driver/context.h"
#include "token_stream.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace xlatr::testing {
namespace {

class MacroTest : public TokenStream {};

TEST_F(MacroTest, ANameIsReplacedByTheTokensOfItsText) {
    macro("forever", "WHILE 1");
    EXPECT_EQ(scan("DO FOREVER;"), (Tokens{"DO #0", "WHILE #0", "DEC_NUMBER 1", ";"}));
    macro("Char", "BYTE");
    EXPECT_EQ(scan("CHAR"), (Tokens{"BYTE #0"}));
}

TEST_F(MacroTest, NamesThatAreNotReplaced) {
    macro("m", "X");
    scanner.set_no_expansion_once();
    EXPECT_EQ(scan("M M"), (Tokens{"IDENTIFIER \"m\"", "IDENTIFIER \"x\""}));

    auto local = std::make_unique<sym_entry>();
    local->name = "m";
    local->type_code = type_code::byte_type;
    local->usage = usage::scalar;
    ctx.symbols.h_push_declare_block();
    ctx.symbols.h_insert(local);
    EXPECT_EQ(scan("M"), (Tokens{"IDENTIFIER \"m\""}));
    ctx.symbols.h_free_declare_block();

    ctx.symbols.h_lookup("m")->usage = usage::ignored_literal;
    EXPECT_EQ(scan("M"), (Tokens{"IDENTIFIER \"m\""}));
}

TEST_F(MacroTest, AStringIsDataButALiteralTextIsProgramText) {
    macro("m", "Q R");
    EXPECT_EQ(scan("'A M B'"), (Tokens{"QUOTE", "STRING_TEXT \"A M B\"", "QUOTE"}));
    EXPECT_EQ(scan("LITERALLY 'A M B'"),
              (Tokens{"LITERALLY #0", "QUOTE", "STRING_TEXT \"A Q R B\"", "QUOTE"}));
    // A string inside the text is data again.
    EXPECT_EQ(scan("LITERALLY 'M(''M'')M'"),
              (Tokens{"LITERALLY #0", "QUOTE", "STRING_TEXT \"Q R('M')Q R\"", "QUOTE"}));
}

TEST_F(MacroTest, LinesOfTheTextAreNotLinesOfTheUsingFile) {
    macro("m", "X\nY");
    // The line feed after the name is read once, when the file resumes.
    source("M Z\nM\nW");
    EXPECT_EQ(rest_with_lines(), (Tokens{"IDENTIFIER \"x\"@1", "IDENTIFIER \"y\"@1", "IDENTIFIER \"z\"@1",
                                         "IDENTIFIER \"x\"@2", "IDENTIFIER \"y\"@2", "IDENTIFIER \"w\"@3"}));
}

TEST_F(MacroTest, AMessageInsideAMacroNamesTheUsingFile) {
    macro("m", "X */ Y");
    EXPECT_EQ(scan("A\nM"), (Tokens{"IDENTIFIER \"a\"", "IDENTIFIER \"x\"", "IDENTIFIER \"y\""}));
    EXPECT_EQ(run.err.str(),
              "T.PLM: warning! end of remark sign is detected in line 2 ,with no preceding starting sign\n");
}

TEST_F(MacroTest, AMacroThatExpandsItselfIsStoppedAtTheRepeatedName) {
    macro("a", "B + 1");
    macro("b", "A");
    EXPECT_EQ(scan("A;"), (Tokens{"IDENTIFIER \"a\"", "PLUS #11", "DEC_NUMBER 1", ";"}));
    EXPECT_EQ(run.err.str(), "T.PLM: fatal! macro \"a\" expands itself - line 1\n");
    EXPECT_TRUE(ctx.messages.error_flag);
    // Later uses meet the same cycle; it is reported once.
    EXPECT_EQ(scan("A;\nB;"), (Tokens{"IDENTIFIER \"a\"", "PLUS #11", "DEC_NUMBER 1", ";", "IDENTIFIER \"b\"",
                                      "PLUS #11", "DEC_NUMBER 1", ";"}));
    EXPECT_EQ(run.err.str(), "T.PLM: fatal! macro \"a\" expands itself - line 1\n"
                             "T.PLM: fatal! macro \"b\" expands itself - line 2\n");
}

TEST_F(MacroTest, AChainThatDoublesWithEveryNameEndsTheRunAtTheBudget) {
    // A0 stands for A1 + A1, A1 for A2 + A2, ...: the use of A0 would read
    // 2^40 names. The run ends once the texts read outgrow the budget.
    for (int i = 0; i < 40; ++i) {
        std::string next(1, 'A');
        next += std::to_string(i + 1);
        std::string name(1, 'a');
        name += std::to_string(i);
        macro(name, next + " + " + next);
    }
    source("X = A0;");
    EXPECT_EQ(scanner.s_next_token(), tok::IDENTIFIER);
    EXPECT_EQ(scanner.s_next_token(), tok::EQ);
    int tokens = 0;
    EXPECT_THROW(
        for (;;) {
            scanner.s_next_token();
            ++tokens;
        },
        RunStop);
    EXPECT_GT(tokens, 1000);
    EXPECT_LT(tokens, 100000);
    const std::size_t budget = IncludeStack::read_floor + 7 * IncludeStack::read_per_file_byte;
    EXPECT_EQ(ctx.includes.read_budget(), budget);
    // One message, naming the macro whose text no longer fits.
    std::string tail = " brings the text read above ";
    tail += std::to_string(budget);
    tail += " characters - line 1\n";
    const std::string err = run.err.str();
    EXPECT_EQ(err.rfind("T.PLM: fatal! reading \"a", 0), 0u) << err;
    ASSERT_GT(err.size(), tail.size());
    EXPECT_EQ(err.substr(err.size() - tail.size()), tail) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_TRUE(ctx.messages.error_flag);
}

TEST_F(MacroTest, RepeatedAndNestedUsesAreNoCycle) {
    macro("a", "B");
    macro("b", "1");
    EXPECT_EQ(scan("A A B"), (Tokens{"DEC_NUMBER 1", "DEC_NUMBER 1", "DEC_NUMBER 1"}));
    EXPECT_EQ(run.err.str(), "");
}

class FirstPassTest : public TokenStream {
  protected:
    void first_pass(std::string text) {
        source(std::move(text));
        scanner.set_first_pass(true);
        s_first_pass(ctx);
        scanner.set_first_pass(false);
    }
    // The text of macro `name`, or "-" when there is none.
    std::string text_of(const std::string& name) {
        const sym_entry* entry = ctx.symbols.h_lookup(name);
        return entry && entry->type_code == type_code::literal_type ? entry->text : "-";
    }
    // Every token with its file and line.
    Tokens rest_with_places() {
        Tokens tokens;
        while (int code = scanner.s_next_token())
            tokens.push_back(describe(code) + "@" + ctx.message_file() + ":" +
                             std::to_string(ctx.s_current_line()));
        return tokens;
    }
};

TEST_F(FirstPassTest, CollectsTheTextMacrosOfEveryElement) {
    first_pass(
        "DECLARE FOREVER LITERALLY 'WHILE 1';\n"
        "DECLARE (A, B) BYTE, C LITERALLY 'X'; DECLARE X BYTE, Y LITERALLY 'Z';\n"
        "DECLARE TRUE LITERALLY '0FFH', T2 LITERALLY 'T';\n"
        "DECLARE S LITERALLY 'STRUCTURE (A BYTE)', Q LITERALLY 'R';\n"
        "DECLARE V(2) BYTE DATA(1, 2), W LITERALLY 'V'; DECLARE NOT$AFTER BYTE; DECLARE Z LITERALLY 'NO';\n"
        "DECLARE CHAR LITERALLY 'BYTE';\n");
    EXPECT_EQ(text_of("forever"), "WHILE 1");
    EXPECT_EQ(text_of("c"), "X") << "a macro after variables of the same DECLARE counts too";
    EXPECT_EQ(text_of("y"), "Z");
    EXPECT_EQ(text_of("w"), "V") << "the commas inside a dimension and initial values separate no elements";
    EXPECT_EQ(text_of("notAfter"), "-");
    EXPECT_EQ(text_of("z"), "NO");
    EXPECT_EQ(text_of("true"), "-");
    EXPECT_EQ(text_of("t2"), "T");
    EXPECT_EQ(text_of("s"), "-");
    EXPECT_EQ(text_of("q"), "R");
    EXPECT_EQ(text_of("Char"), "BYTE");
    EXPECT_TRUE(ctx.includes.empty());
}

TEST_F(FirstPassTest, NotesTheModuleNamesAndTheLabelsDefinedInTheCode) {
    first_pass("M: DO;\n"
               "DECLARE (A, B) BYTE, C WORD, K LITERALLY 'KK', PROC LITERALLY 'PROCEDURE';\n"
               "P: PROC; DECLARE L BYTE; Q: PROCEDURE; END Q; IN$P: L = 1; END P;\n"
               "DO; DECLARE BL BYTE; END;\n"
               "DECLARE LATE WORD;\n"
               "R: PROCEDURE EXTERNAL; DECLARE X BYTE; END R;\n"
               "TOP: DO CASE A; END;\n"
               "END M;\n");
    const std::set<std::string, std::less<>> module{"a", "b", "c", "p", "late", "r"};
    EXPECT_EQ(ctx.procedures.module_names, module)
        << "not the macros, the locals, the inner procedure or a block's names";
    EXPECT_TRUE(ctx.labels.defined_in_code("inP"));
    EXPECT_TRUE(ctx.labels.defined_in_code("top"));
    EXPECT_FALSE(ctx.labels.defined_in_code("m")) << "the module's own name";
    EXPECT_FALSE(ctx.labels.defined_in_code("p"));
    EXPECT_FALSE(ctx.labels.defined_in_code("q"));
}

TEST_F(FirstPassTest, TextsAreStoredExpanded) {
    first_pass("DECLARE A LITERALLY 'B', B LITERALLY 'C';\nDECLARE D LITERALLY 'A + 1';");
    EXPECT_EQ(text_of("a"), "B");
    EXPECT_EQ(text_of("b"), "C");
    EXPECT_EQ(text_of("d"), "C + 1");
}

TEST_F(FirstPassTest, AMacroDeclaredTwiceKeepsItsFirstText) {
    first_pass("DECLARE M LITERALLY 'ONE';\nP: PROCEDURE; DECLARE M LITERALLY 'TWO'; END;");
    EXPECT_EQ(text_of("m"), "ONE");
    EXPECT_EQ(run.err.str(), "T.PLM: fatal! - macro \"m\" is multiply defined - line 2\n");
    EXPECT_TRUE(ctx.messages.error_flag);
}

TEST_F(FirstPassTest, IncludesNestedThreeDeepResumeWithTheirLines) {
    run.dir.write("main.plm", "A\n$INCLUDE(ONE.INC)\nB\n");
    run.dir.write("one.inc", "C\n$INCLUDE (TWO.INC)\nD\n");
    run.dir.write("two.inc", "E\n$IC(THREE.INC) /* after */\nF\n");
    run.dir.write("three.inc", "G\n");
    ASSERT_TRUE(ctx.includes.i_push_file("main.plm", false, false));
    scanner.set_first_pass(true);
    EXPECT_EQ(rest_with_places(),
              (Tokens{"IDENTIFIER \"a\"@main.plm:1", "DOLLAR@main.plm:2", "IDENTIFIER \"c\"@one.inc:1",
                      "DOLLAR@one.inc:2", "IDENTIFIER \"e\"@two.inc:1", "DOLLAR@two.inc:2",
                      "IDENTIFIER \"g\"@three.inc:1", "IDENTIFIER \"f\"@two.inc:3",
                      "IDENTIFIER \"d\"@one.inc:3", "IDENTIFIER \"b\"@main.plm:3"}));
    // After the last file messages still name it.
    EXPECT_STREQ(ctx.i_current_file_name(), "main.plm");
    EXPECT_EQ(ctx.s_current_line(), 4);
}

TEST_F(FirstPassTest, AnIncludeOfAFileStillBeingReadIsRefused) {
    run.dir.write("main.plm", "A\n$INCLUDE(ONE.INC)\nB $INCLUDE(MAIN.PLM)\n");
    run.dir.write("one.inc", "C\n$INCLUDE(TWO.INC)\nD\n");
    run.dir.write("two.inc", "$INCLUDE(ONE.INC)\nE\n$INCLUDE(./TWO.INC)\n");
    ASSERT_TRUE(ctx.includes.i_push_file("main.plm", false, false));
    scanner.set_first_pass(true);
    EXPECT_EQ(
        rest_with_places(),
        (Tokens{"IDENTIFIER \"a\"@main.plm:1", "DOLLAR@main.plm:2", "IDENTIFIER \"c\"@one.inc:1",
                "DOLLAR@one.inc:2", "DOLLAR@two.inc:1", "IDENTIFIER \"e\"@two.inc:2", "DOLLAR@two.inc:3",
                "IDENTIFIER \"d\"@one.inc:3", "IDENTIFIER \"b\"@main.plm:3", "DOLLAR@main.plm:3"}));
    EXPECT_EQ(run.err.str(), "two.inc: fatal! include file \"one.inc\" includes itself in line 1\n"
                             "two.inc: fatal! include file \"./two.inc\" includes itself in line 3\n"
                             "main.plm: fatal! include file \"main.plm\" includes itself in line 3\n");
    EXPECT_TRUE(ctx.messages.error_flag);
}

TEST_F(FirstPassTest, IncludePathsGoThroughTheIncludeMap) {
    std::filesystem::create_directory(run.dir.path() / "real");
    run.dir.write("real/x.inc", "X1\n");
    ctx.include_map.inc_hash_insert("sub\\", "real/", "out/");
    scanner.set_first_pass(true);
    source("$INCLUDE(SUB\\X.INC)\nY");
    EXPECT_EQ(rest_with_places(),
              (Tokens{"DOLLAR@T.PLM:1", "IDENTIFIER \"x1\"@real/x.inc:1", "IDENTIFIER \"y\"@T.PLM:2"}));
}

TEST_F(FirstPassTest, AMissingOrMalformedIncludeIsReportedAndSkipped) {
    scanner.set_first_pass(true);
    EXPECT_EQ(scan("$INCLUDE(NOTHERE.INC)\n$INCLUDE ONE\nZ"),
              (Tokens{"DOLLAR", "DOLLAR", "IDENTIFIER \"z\""}));
    EXPECT_EQ(run.err.str(), "T.PLM: fatal! cannot find include file \"nothere.inc\" in line 1\n"
                             "T.PLM: fatal! include file redirection syntax is wrong - line 2\n");
    EXPECT_TRUE(ctx.messages.error_flag);
}

TEST_F(FirstPassTest, OutsideTheFirstPassIncludeIsLeftToTheParser) {
    EXPECT_EQ(scan("$INCLUDE(X)"), (Tokens{"DOLLAR", "DIR_INCLUDE #0", "(", "IDENTIFIER \"x\"", ")"}));
}

TEST_F(FirstPassTest, MacrosOfAnIncludedFileServeTheSecondPass) {
    run.dir.write("main.plm", "$INCLUDE(DEFS.INC)\nDO FOREVER; END;\n");
    run.dir.write("defs.inc", "/* definitions */\nDECLARE FOREVER LITERALLY 'WHILE 1';\n");
    ASSERT_TRUE(ctx.includes.i_push_file("main.plm", false, false));
    scanner.set_first_pass(true);
    s_first_pass(ctx);
    scanner.set_first_pass(false);
    EXPECT_EQ(text_of("forever"), "WHILE 1");
    EXPECT_TRUE(ctx.remarks.pending().empty());

    scanner.s_set_line(1);
    ASSERT_TRUE(ctx.includes.i_push_file("main.plm", false, false));
    EXPECT_EQ(rest_with_lines(), (Tokens{"DOLLAR@1", "DIR_INCLUDE #0@1", "(@1", "IDENTIFIER \"defs\"@1",
                                         ".@1", "IDENTIFIER \"inc\"@1", ")@1", "DO #0@2", "WHILE #0@2",
                                         "DEC_NUMBER 1@2", ";@2", "END #0@2", ";@2"}));
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(run.dir.path()))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files, (std::set<std::string>{"main.plm", "defs.inc"}));
}

TEST_F(FirstPassTest, AnUnclosedRemarkInAnIncludedFileNamesThatFile) {
    run.dir.write("bad.inc", "A /* open\n");
    scanner.set_first_pass(true);
    source("$INCLUDE(BAD.INC)\n");
    EXPECT_EQ(scanner.s_next_token(), tok::DOLLAR);
    EXPECT_EQ(scanner.s_next_token(), tok::IDENTIFIER);
    EXPECT_THROW(scanner.s_next_token(), RunStop);
    EXPECT_EQ(run.err.str(),
              "bad.inc: fatal! there is an unclosed remark upon reaching the end of input file\n");
}

TEST_F(FirstPassTest, AFileReadAgainAtEveryUseOfAMacroCountsAgainstTheBudget) {
    run.dir.write("big.inc", std::string(4000, ' ') + "X\n");
    macro("m", "$INCLUDE(BIG.INC)\n");
    scanner.set_first_pass(true);
    std::string uses;
    for (int i = 0; i < 100; ++i)
        uses += "M\n";
    source(uses);
    int tokens = 0;
    EXPECT_THROW(
        for (;;) {
            scanner.s_next_token();
            ++tokens;
        },
        RunStop);
    // The first use reads the file for the first time, which adds to the
    // budget; every later read only spends it.
    EXPECT_GT(tokens, 10);
    EXPECT_LT(tokens, 100);
    EXPECT_NE(run.err.str().find("fatal! reading \"big.inc\" brings the text read above "), std::string::npos)
        << run.err.str();
}

} // namespace
} // namespace xlatr::testing
