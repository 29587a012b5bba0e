#include "support/remarks.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace xlatr {
namespace {

using testing::TestRun;
using Texts = std::vector<std::string>;

Texts block_texts(const remark_list& list) {
    Texts texts;
    for (const remark_block& block : list.blocks)
        texts.push_back(block.text);
    return texts;
}

std::vector<bool> directive_marks(const remark_list& list) {
    std::vector<bool> marks;
    for (const remark_block& block : list.blocks)
        marks.push_back(block.directive_text);
    return marks;
}

std::string repeat(std::size_t count, char c) {
    return std::string(count, c);
}

// A run whose current output is tmp_main.t and whose source, when given, is
// what follows a "/*" the scanner has just consumed.
struct RemarkRun : TestRun {
    explicit RemarkRun(const std::string& after_opening = "") {
        ctx.output.o_push_file("tmp_main.t", true, false, Storage::memory);
        ctx.includes.i_push_text("PROG.PLM", after_opening, false);
    }
    Remarks& remarks() { return ctx.remarks; }
    std::string printed() const { return *ctx.files.temps.find("tmp_main.t"); }
    void enter_procedure() {
        ctx.blocks.b_push_block(BlockKind::simple_do);
        ctx.blocks.b_push_block(BlockKind::procedure);
    }
    // A directive's C text, read back the way the directive translation does.
    bool directive(const std::string& file_text) {
        ctx.files.temps.open("d_irect.t", true) = file_text;
        return remarks().r_begin_file_remark("d_irect.t") && remarks().r_scan_remark();
    }
};

const std::string note_line_1 = "PROG.PLM: note! remark within remark ignored in line 1\n";

TEST(RemarkBlocks, APieceThatWouldReachOneHundredCharactersStartsANewBlock) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    remarks.r_keep_remark(repeat(50, 'a'), false);
    remarks.r_keep_remark(repeat(49, 'b'), false);
    remarks.r_keep_remark("c", false);
    remarks.r_keep_remark(repeat(97, 'd'), true);
    remarks.r_keep_remark("e", true);
    remarks.r_keep_remark(repeat(150, 'y'), false);
    EXPECT_EQ(block_texts(remarks.pending()),
              (Texts{repeat(50, 'a') + repeat(49, 'b'), std::string("c").append(repeat(97, 'd')).append("\n"),
                     "e\n", repeat(99, 'y'), repeat(51, 'y')}))
        << "a piece longer than a block is spread over blocks, not dropped";
}

TEST(RemarkScan, TheTextFromOpeningToClosingIsKeptWithANewline) {
    RemarkRun run(" a *x* / **/;");
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_EQ(run.remarks().pending().text(), "/* a *x* / **/\n");
    EXPECT_EQ(run.ctx.scanner.read_raw_char(), ';') << "nothing after the closing sign is read";
    EXPECT_EQ(run.err.str(), "");
}

TEST(RemarkScan, TheClosingSignIsNeverSplitBetweenBlocks) {
    // "/*" and eleven chunks of eight make 90; "bbbbbbb" is kept alone when the
    // star arrives (97), and "*/" with its newline no longer fits.
    RemarkRun run(repeat(88, 'a') + "bbbbbbb*/");
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_EQ(block_texts(run.remarks().pending()), (Texts{"/*" + repeat(88, 'a') + "bbbbbbb", "*/\n"}));
}

TEST(RemarkScan, TheStarAfterASlashBecomesABlankUnderTheEightCharacterRuleOnly) {
    // "bbbbb/" holds six when the inner star arrives; as a blank it stays in
    // the chunk, so "bbbbb/ c" is full (98) when the closing star comes.
    RemarkRun run(repeat(88, 'a') + "bbbbb/*c*/");
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_EQ(block_texts(run.remarks().pending()), (Texts{"/*" + repeat(88, 'a') + "bbbbb/ c", "*/\n"}));
    EXPECT_EQ(run.err.str(), note_line_1);
    EXPECT_FALSE(run.ctx.messages.error_flag);
}

TEST(RemarkScan, InnerOpeningsAreBlankedAndNotedOnceEachAndSlashStarSlashEndsAClosedComment) {
    RemarkRun run(" a /* b //* c /*/ rest");
    EXPECT_TRUE(run.remarks().r_scan_remark());
    // The star of "/*/" is kept as a blank and still closes the C comment.
    EXPECT_EQ(run.remarks().pending().text(), "/* a /  b //  c / */\n");
    EXPECT_EQ(run.err.str(), note_line_1 + note_line_1 + note_line_1);
    EXPECT_EQ(run.ctx.scanner.read_raw_char(), ' ');
}

TEST(RemarkScan, ARemarkOfSeveralLinesKeepsItsBreaksAndOnlyItsFirstLineIsIndented) {
    RemarkRun run(" one\n   two\n */");
    run.ctx.s_set_line(5);
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_EQ(run.ctx.s_current_line(), 7);
    run.ctx.output.o_indent_in();
    run.remarks().r_flush_remarks();
    run.remarks().r_flush_remarks();
    EXPECT_EQ(run.printed(), "   /* one\n   two\n */\n") << "an empty store prints no indentation either";
}

TEST(RemarkScan, TheFirstPassKeepsNothingButCountsLines) {
    RemarkRun run(" a\n b\n */rest");
    run.ctx.scanner.set_first_pass(true);
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_TRUE(run.remarks().pending().empty());
    EXPECT_EQ(run.ctx.s_current_line(), 3);
}

TEST(RemarkScan, EndOfInputInsideARemarkFailsAndKeepsWhatWasStored) {
    RemarkRun run(repeat(10, 'z') + "\n");
    EXPECT_FALSE(run.remarks().r_scan_remark());
    EXPECT_EQ(run.remarks().pending().text(), "/*" + repeat(8, 'z'));
    EXPECT_EQ(run.ctx.s_current_line(), 2);
}

TEST(RemarkScan, ANulByteIsACharacterOfTheRemarkNotTheEndOfItsInput) {
    using namespace std::string_literals;
    RemarkRun run(" a\0b */;"s);
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_EQ(run.remarks().pending().text(), "/* a\0b */\n"s);
    EXPECT_EQ(run.ctx.scanner.read_raw_char(), ';');
    EXPECT_EQ(run.err.str(), "");

    EXPECT_TRUE(run.directive("#if\0A*/"s)) << "nor of a directive's text";
}

TEST(RemarkDirectives, DirectiveTextAtModuleLevelIsPrintedBeforeThePendingRemarks) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    remarks.r_keep_remark("/* before */", true);
    EXPECT_TRUE(run.directive("\n#define debuG\t0XFF \n*/"));
    EXPECT_FALSE(remarks.from_file());
    EXPECT_TRUE(remarks.moved());
    EXPECT_EQ(run.ctx.files.temps.find("d_irect.t"), nullptr);
    EXPECT_EQ(run.ctx.s_current_line(), 1) << "line feeds of a directive file are no source lines";
    EXPECT_EQ(remarks.forward().text(), "\n#define debuG\t0XFF \n\n");
    EXPECT_EQ(directive_marks(remarks.forward()), std::vector<bool>{true});
    remarks.r_keep_remark("/* after */", true);
    remarks.r_flush_remarks();
    EXPECT_EQ(run.printed(), "\n#define debuG\t0XFF \n\n/* before */\n/* after */\n");
    EXPECT_FALSE(remarks.moved());
}

TEST(RemarkDirectives, InsideAProcedureDirectiveTextJoinsAndMarksThePendingBlock) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    run.directive("#if A*/");
    run.enter_procedure();
    remarks.r_keep_remark("/* local */", true);
    run.directive("#undef X*/");
    EXPECT_EQ(block_texts(remarks.pending()), Texts{"/* local */\n#undef X\n"});
    EXPECT_EQ(directive_marks(remarks.pending()), std::vector<bool>{true});
    remarks.r_flush_remarks();
    EXPECT_EQ(run.printed(), "/* local */\n#undef X\n");
    EXPECT_EQ(remarks.forward().text(), "#if A\n") << "module-level text waits for module level";
}

TEST(RemarkDirectives, AFileWithoutItsClosingSignStillRestoresTheLists) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    remarks.r_keep_remark("/* before */", true);
    EXPECT_FALSE(run.directive("#if A\n"));
    EXPECT_FALSE(remarks.from_file());
    EXPECT_EQ(run.ctx.files.temps.find("d_irect.t"), nullptr);
    EXPECT_EQ(remarks.pending().text(), "/* before */\n");
    EXPECT_FALSE(remarks.r_begin_file_remark("d_irect.t")) << "a missing file is refused";
    EXPECT_FALSE(remarks.from_file());
}

TEST(RemarkTake, ADeclarationTakesForwardAndPendingTextUnlessItHasAtAfterAMove) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    run.directive("#if A*/");
    remarks.r_keep_remark("/* x */", true);
    EXPECT_TRUE(remarks.r_take_remarks(true).empty());
    EXPECT_EQ(remarks.pending().text(), "/* x */\n");
    remark_list taken = remarks.r_take_remarks(false);
    EXPECT_EQ(block_texts(taken), (Texts{"#if A\n", "/* x */\n"}));
    EXPECT_TRUE(remarks.forward().empty());
    EXPECT_TRUE(remarks.pending().empty());
    remarks.r_keep_remark("/* y */", true);
    EXPECT_EQ(remarks.r_take_remarks(true).text(), "/* y */\n") << "the take before cleared moved";

    run.enter_procedure();
    run.directive("#if B*/");
    remarks.r_keep_remark("/* member */", true);
    EXPECT_EQ(remarks.r_take_pending_remarks().text(), "#if B\n/* member */\n");
}

TEST(RemarkTake, OnlyAListHoldingDirectiveTextMovesBack) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    remarks.r_keep_remark("/* plain */", true);
    remark_list plain = remarks.r_take_remarks(false);
    remarks.r_move_forward(plain);
    EXPECT_EQ(plain.text(), "/* plain */\n");
    EXPECT_FALSE(remarks.moved());

    run.directive("#if A*/");
    remark_list marked = remarks.r_take_remarks(false);
    remarks.r_keep_remark("/* later */", true);
    remarks.r_move_forward(marked);
    EXPECT_TRUE(marked.empty());
    EXPECT_TRUE(remarks.moved());
    remarks.r_flush_remarks();
    EXPECT_EQ(run.printed(), "#if A\n/* later */\n");

    run.enter_procedure();
    run.directive("#if B*/");
    marked = remarks.r_take_remarks(false);
    remarks.r_move_forward(marked);
    remarks.r_keep_remark("/* next */", true);
    EXPECT_EQ(block_texts(remarks.pending()), Texts{"#if B\n/* next */\n"})
        << "new text fills the moved block";
}

TEST(RemarkHeader, SwappingFillsTheHeaderListAndLeavesThePendingOneAlone) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    remarks.r_keep_remark("/* waiting */", true);
    std::string opening = "\n\n\n" + repeat(147, 'h');
    run.ctx.files.temps.open("st_func.t", true) = opening;
    remarks.r_swap_header();
    ASSERT_TRUE(remarks.r_read_file_as_remark("st_func.t"));
    EXPECT_FALSE(remarks.r_read_file_as_remark("missing.t"));
    remarks.r_swap_header_back();
    EXPECT_EQ(block_texts(remarks.header()), (Texts{opening.substr(0, 99), opening.substr(99)}));
    run.ctx.output.o_indent_in();
    remarks.r_flush_header_remarks();
    EXPECT_EQ(run.printed(), "   " + opening);
    EXPECT_TRUE(remarks.header().empty());
    run.ctx.flush_before_assembly();
    EXPECT_EQ(run.printed(), "   " + opening + "   /* waiting */\n");
}

} // namespace
} // namespace xlatr
