#include "support/remarks.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace xlatr {
namespace {

using testing::TestRun;

std::vector<std::string> block_texts(const remark_list& list) {
    std::vector<std::string> texts;
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

// A run whose current output is the scratch text tmp_main.t.
struct RemarkRun : TestRun {
    RemarkRun() { ctx.output.o_push_file("tmp_main.t", true, false, Storage::memory); }
    Remarks& remarks() { return ctx.remarks; }
    std::string printed() const { return *ctx.files.temps.find("tmp_main.t"); }
    void enter_procedure() {
        ctx.blocks.b_push_block(BlockKind::simple_do);
        ctx.blocks.b_push_block(BlockKind::procedure);
    }
    // Directive text as the directive translation produces it: kept while the
    // directive file is open.
    void directive(const std::string& text) {
        ctx.files.temps.open("d_irect.t", true);
        ASSERT_TRUE(remarks().r_begin_file_remark("d_irect.t"));
        remarks().r_keep_remark(text, false);
        remarks().r_end_file_remark();
    }
};

TEST(RemarkBlocks, APieceThatWouldReachOneHundredCharactersStartsANewBlock) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    remarks.r_keep_remark(std::string(50, 'a'), false);
    remarks.r_keep_remark(std::string(49, 'b'), false);
    EXPECT_EQ(remarks.pending().blocks.size(), 1u) << "99 characters fit in one block";
    remarks.r_keep_remark("c", false);
    remarks.r_keep_remark(std::string(97, 'd'), true);
    remarks.r_keep_remark("e", true);
    EXPECT_EQ(block_texts(remarks.pending()),
              (std::vector<std::string>{std::string(50, 'a') + std::string(49, 'b'),
                                        "c" + std::string(97, 'd') + "\n", "e\n"}));
}

TEST(RemarkBlocks, APieceLongerThanABlockIsSpreadOverBlocksWithoutLoss) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    remarks.r_keep_remark("x", false);
    remarks.r_keep_remark(std::string(150, 'y'), true);
    EXPECT_EQ(block_texts(remarks.pending()),
              (std::vector<std::string>{"x", std::string(99, 'y'), std::string(51, 'y') + "\n"}));
}

TEST(RemarkFlush, IndentationIsPrintedOnceBeforeTheFirstBlockOnly) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    run.ctx.output.o_indent_in();
    run.ctx.output.o_indent_in();
    remarks.r_flush_remarks();
    EXPECT_EQ(run.printed(), "") << "nothing kept, not even the indentation";
    std::string line_one = "/* " + std::string(90, 'a') + "\n";
    remarks.r_keep_remark(line_one, false);
    remarks.r_keep_remark("   second line */", true);
    ASSERT_EQ(remarks.pending().blocks.size(), 2u);
    remarks.r_flush_remarks();
    EXPECT_EQ(run.printed(), "      " + line_one + "   second line */\n");
    EXPECT_TRUE(remarks.pending().empty());
    remarks.r_flush_remarks();
    EXPECT_EQ(run.printed(), "      " + line_one + "   second line */\n");
}

TEST(RemarkFlush, DirectiveTextAtModuleLevelPrecedesThePendingRemarks) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    remarks.r_keep_remark("/* before */", true);
    run.directive("\n#define DEBUG\t0XFF\n");
    EXPECT_EQ(remarks.pending().text(), "/* before */\n") << "the directive does not join the pending list";
    EXPECT_EQ(remarks.forward().text(), "\n#define DEBUG\t0XFF\n");
    EXPECT_EQ(directive_marks(remarks.forward()), std::vector<bool>{true});
    EXPECT_FALSE(remarks.from_file());
    EXPECT_EQ(run.ctx.files.temps.find("d_irect.t"), nullptr)
        << "the directive file is deleted after reading";
    EXPECT_TRUE(remarks.moved());

    remarks.r_keep_remark("/* after */", true);
    remarks.r_flush_remarks();
    EXPECT_EQ(run.printed(), "\n#define DEBUG\t0XFF\n/* before */\n/* after */\n");
    EXPECT_TRUE(remarks.forward().empty());
    EXPECT_FALSE(remarks.moved());
}

TEST(RemarkFlush, InsideAProcedureDirectiveTextJoinsThePendingListAndMarksItsBlock) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    run.enter_procedure();
    remarks.r_keep_remark("/* local */", true);
    run.directive("\n#undef X\n");
    EXPECT_EQ(block_texts(remarks.pending()), std::vector<std::string>{"/* local */\n\n#undef X\n"});
    EXPECT_EQ(directive_marks(remarks.pending()), std::vector<bool>{true});
    EXPECT_TRUE(remarks.forward().empty());
}

TEST(RemarkFlush, InsideAProcedureTheForwardListWaitsForModuleLevel) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    run.directive("#if A\n");
    run.enter_procedure();
    remarks.r_keep_remark("/* in proc */", true);
    remarks.r_flush_remarks();
    EXPECT_EQ(run.printed(), "/* in proc */\n");
    EXPECT_EQ(remarks.forward().text(), "#if A\n");
    remarks.r_flush_pending_remarks();
    EXPECT_EQ(remarks.forward().text(), "#if A\n") << "the pending flush never touches the forward list";
}

TEST(RemarkFlush, AssemblyOfAnIncludeFileFlushesTheWaitingRemarksIntoIt) {
    RemarkRun run;
    run.remarks().r_keep_remark("/* tail */", true);
    run.ctx.flush_before_assembly();
    EXPECT_EQ(run.printed(), "/* tail */\n");
}

TEST(RemarkTake, AtModuleLevelTheForwardAndPendingListsAreHandedOverTogether) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    run.directive("#if A\n");
    remarks.r_keep_remark("/* x */", true);
    remark_list taken = remarks.r_take_remarks(false);
    EXPECT_EQ(taken.text(), "#if A\n/* x */\n");
    EXPECT_EQ(directive_marks(taken), (std::vector<bool>{true, false}));
    EXPECT_TRUE(remarks.pending().empty());
    EXPECT_TRUE(remarks.forward().empty());
    EXPECT_FALSE(remarks.moved());
}

TEST(RemarkTake, AnAtDeclarationTakesNothingAfterRemarksWereMoved) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    run.directive("#if A\n");
    remarks.r_keep_remark("/* x */", true);
    EXPECT_TRUE(remarks.r_take_remarks(true).empty());
    EXPECT_TRUE(remarks.moved());
    EXPECT_EQ(remarks.forward().text(), "#if A\n");
    EXPECT_EQ(remarks.pending().text(), "/* x */\n");
    EXPECT_EQ(remarks.r_take_remarks(false).text(), "#if A\n/* x */\n");
    remarks.r_keep_remark("/* y */", true);
    EXPECT_EQ(remarks.r_take_remarks(true).text(), "/* y */\n") << "moved was cleared by the take before";
}

TEST(RemarkTake, InsideAProcedureOnlyThePendingListIsTaken) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    run.directive("#if A\n");
    run.enter_procedure();
    remarks.r_keep_remark("/* p */", true);
    EXPECT_EQ(remarks.r_take_remarks(false).text(), "/* p */\n");
    EXPECT_EQ(remarks.forward().text(), "#if A\n");
    remarks.r_keep_remark("/* member */", true);
    EXPECT_EQ(remarks.r_take_pending_remarks().text(), "/* member */\n");
    EXPECT_TRUE(remarks.pending().empty());
}

TEST(RemarkMove, OnlyAListHoldingDirectiveTextMovesForward) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    remarks.r_keep_remark("/* plain */", true);
    remark_list plain = remarks.r_take_remarks(false);
    remarks.r_move_forward(plain);
    EXPECT_EQ(plain.text(), "/* plain */\n");
    EXPECT_FALSE(remarks.moved());

    run.directive("#if A\n");
    remarks.r_keep_remark("/* x */", true);
    remark_list mixed = remarks.r_take_remarks(false);
    remarks.r_keep_remark("/* later */", true);
    remarks.r_move_forward(mixed);
    EXPECT_TRUE(mixed.empty());
    EXPECT_TRUE(remarks.moved());
    EXPECT_EQ(remarks.forward().text(), "#if A\n/* x */\n");
    remarks.r_flush_remarks();
    EXPECT_EQ(run.printed(), "#if A\n/* x */\n/* later */\n");
}

TEST(RemarkMove, InsideAProcedureMovedTextJoinsThePendingListAndKeepsFillingItsLastBlock) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    run.enter_procedure();
    run.directive("#if A\n");
    remark_list taken = remarks.r_take_remarks(false);
    remarks.r_move_forward(taken);
    remarks.r_keep_remark("/* next */", true);
    EXPECT_EQ(block_texts(remarks.pending()), std::vector<std::string>{"#if A\n/* next */\n"});
}

TEST(RemarkHeader, SwappingFillsTheHeaderListAndLeavesThePendingOneAlone) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    remarks.r_keep_remark("/* waiting */", true);
    std::string opening = "\n\n\n" + std::string(147, 'h');
    run.ctx.files.temps.open("st_func.t", true) = opening;
    remarks.r_swap_header();
    ASSERT_TRUE(remarks.r_read_file_as_remark("st_func.t"));
    remarks.r_swap_header_back();
    EXPECT_EQ(block_texts(remarks.header()),
              (std::vector<std::string>{opening.substr(0, 99), opening.substr(99)}));
    EXPECT_EQ(directive_marks(remarks.header()), (std::vector<bool>{false, false}));
    EXPECT_EQ(remarks.pending().text(), "/* waiting */\n");

    run.ctx.output.o_indent_in();
    remarks.r_flush_header_remarks();
    EXPECT_EQ(run.printed(), "   " + opening);
    EXPECT_TRUE(remarks.header().empty());
    EXPECT_EQ(remarks.pending().text(), "/* waiting */\n");
}

TEST(RemarkFiles, MissingScratchTextsAreRefusedWithoutAnyChange) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    remarks.r_keep_remark("/* x */", true);
    EXPECT_FALSE(remarks.r_read_file_as_remark("st_func.t"));
    EXPECT_FALSE(remarks.r_begin_file_remark("d_irect.t"));
    EXPECT_FALSE(remarks.from_file());
    EXPECT_FALSE(remarks.moved());
    EXPECT_EQ(remarks.pending().text(), "/* x */\n");
}

// Remarks read from the source: the scanner has consumed the "/*" when the
// remark store takes over.
struct SourceRun : RemarkRun {
    explicit SourceRun(const std::string& after_opening) {
        ctx.includes.i_push_text("PROG.PLM", after_opening, false);
    }
    int next_raw() { return ctx.scanner.read_raw_char(); }
};

const std::string note_line_1 = "PROG.PLM: note! remark within remark ignored in line 1\n";

TEST(RemarkScan, AOneLineRemarkIsKeptFromItsOpeningToItsClosingWithANewline) {
    SourceRun run(" a remark */X");
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_EQ(run.remarks().pending().text(), "/* a remark */\n");
    EXPECT_EQ(run.next_raw(), 'X') << "nothing after the closing sign is read";
    EXPECT_EQ(run.err.str(), "");
}

TEST(RemarkScan, TheClosingSignIsNeverSplitBetweenBlocks) {
    // "/*" and eleven chunks of eight make 90; "bbbbbbb" is kept alone when the
    // star arrives (97), and "*/" with its newline no longer fits.
    SourceRun run(std::string(88, 'a') + "bbbbbbb*/");
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_EQ(block_texts(run.remarks().pending()),
              (std::vector<std::string>{"/*" + std::string(88, 'a') + "bbbbbbb", "*/\n"}));
}

TEST(RemarkScan, TheStarAfterASlashBecomesABlankAndFollowsTheEightCharacterRuleOnly) {
    // "bbbbb/" holds six when the inner star arrives; it stays in the chunk as
    // a blank, so the chunk "bbbbb/ c" is full when the closing star comes.
    SourceRun run(std::string(88, 'a') + "bbbbb/*c*/");
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_EQ(block_texts(run.remarks().pending()),
              (std::vector<std::string>{"/*" + std::string(88, 'a') + "bbbbb/ c", "*/\n"}));
    EXPECT_EQ(run.err.str(), note_line_1);
    EXPECT_FALSE(run.ctx.messages.error_flag);
}

TEST(RemarkScan, EveryInnerOpeningIsBlankedAndNotedOnce) {
    SourceRun run(" a /* b //* c */");
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_EQ(run.remarks().pending().text(), "/* a /  b //  c */\n");
    EXPECT_EQ(run.err.str(), note_line_1 + note_line_1);
}

TEST(RemarkScan, SlashStarSlashInsideARemarkEndsIt) {
    SourceRun run(" x /*/ y */");
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_EQ(run.remarks().pending().text(), "/* x / /\n");
    EXPECT_EQ(run.err.str(), note_line_1);
    EXPECT_EQ(run.next_raw(), ' ');
}

TEST(RemarkScan, StarsBeforeTheClosingSlashAndLoneStarsDoNotEndIt) {
    SourceRun run(" *x* / **/;");
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_EQ(run.remarks().pending().text(), "/* *x* / **/\n");
    EXPECT_EQ(run.next_raw(), ';');
}

TEST(RemarkScan, ARemarkOfSeveralLinesKeepsItsBreaksAndCountsThem) {
    SourceRun run(" one\n   two\n */");
    run.ctx.s_set_line(5);
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_EQ(run.ctx.s_current_line(), 7);
    run.ctx.output.o_indent_in();
    run.remarks().r_flush_remarks();
    EXPECT_EQ(run.printed(), "   /* one\n   two\n */\n");
}

TEST(RemarkScan, TheFirstPassKeepsNothingButCountsLines) {
    SourceRun run(" a\n b /* c\n */rest");
    run.ctx.scanner.set_first_pass(true);
    EXPECT_TRUE(run.remarks().r_scan_remark());
    EXPECT_TRUE(run.remarks().pending().empty());
    EXPECT_EQ(run.ctx.s_current_line(), 3);
    EXPECT_EQ(run.next_raw(), 'r');
}

TEST(RemarkScan, EndOfInputInsideARemarkFailsAndKeepsWhatWasStored) {
    SourceRun run(std::string(10, 'z') + "\n");
    EXPECT_FALSE(run.remarks().r_scan_remark());
    EXPECT_EQ(run.remarks().pending().text(), "/*" + std::string(8, 'z'));
    EXPECT_EQ(run.ctx.s_current_line(), 2);
}

TEST(RemarkScan, ADirectiveFileIsReadAsTheInsideOfARemark) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    run.ctx.s_set_line(4);
    remarks.r_keep_remark("/* before */", true);
    run.ctx.files.temps.open("d_irect.t", true) = "\n#define debuG\t0XFF \n*/";
    ASSERT_TRUE(remarks.r_begin_file_remark("d_irect.t"));
    EXPECT_TRUE(remarks.r_scan_remark());
    EXPECT_FALSE(remarks.from_file());
    EXPECT_EQ(run.ctx.files.temps.find("d_irect.t"), nullptr);
    EXPECT_EQ(run.ctx.s_current_line(), 4) << "line feeds of a directive file are no source lines";
    EXPECT_EQ(remarks.forward().text(), "\n#define debuG\t0XFF \n\n");
    EXPECT_TRUE(remarks.forward().has_directive_text());
    EXPECT_EQ(remarks.pending().text(), "/* before */\n");
    remarks.r_flush_remarks();
    EXPECT_EQ(run.printed(), "\n#define debuG\t0XFF \n\n/* before */\n");
}

TEST(RemarkScan, ADirectiveFileWithoutItsClosingSignStillRestoresTheLists) {
    RemarkRun run;
    Remarks& remarks = run.remarks();
    remarks.r_keep_remark("/* before */", true);
    run.ctx.files.temps.open("d_irect.t", true) = "#if A\n";
    ASSERT_TRUE(remarks.r_begin_file_remark("d_irect.t"));
    EXPECT_FALSE(remarks.r_scan_remark());
    EXPECT_FALSE(remarks.from_file());
    EXPECT_EQ(run.ctx.files.temps.find("d_irect.t"), nullptr);
    EXPECT_EQ(remarks.pending().text(), "/* before */\n");
}

} // namespace
} // namespace xlatr
