#include "translate/do_case.h"

#include "driver/context.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace xlatr {
namespace {

using testing::TestRun;

exp_list id(const std::string& name) {
    return e_get_id(name, {});
}

exp_list number(std::uint16_t n) {
    value_node value;
    value.kind = val_decimal;
    value.number = n;
    return e_create_const(value);
}

// Statements of PROG.PLM inside a procedure (no main, the body at the
// margin), with the keyword table ready so that the scanner knows ELSE.
struct CaseRun : TestRun {
    explicit CaseRun(BlockKind outer = BlockKind::procedure) {
        ctx.keywords.lex_init();
        ctx.keywords.kw_init();
        ctx.includes.i_push_text("PROG.PLM", "", false);
        ctx.symbols.h_push_declare_block();
        for (const char* name : {"k", "x"}) {
            auto entry = std::make_unique<sym_entry>();
            entry->name = name;
            entry->type_code = type_code::byte_type;
            entry->usage = usage::scalar;
            ctx.symbols.h_insert(entry);
        }
        ctx.output.o_push_file("tmp_main.t", true, false, Storage::memory);
        ctx.blocks.b_push_block(BlockKind::simple_do);
        if (outer != BlockKind::simple_do) ctx.blocks.b_push_block(outer);
    }

    DoCase& cases() { return ctx.do_case; }
    Statements& stmt() { return ctx.statements; }
    std::string text() const { return *ctx.files.temps.find("tmp_main.t"); }

    // The grammar's call after a statement: `upcoming` is the source that the
    // parser has not read yet. The parser then reads the token that
    // ss_next_case may have peeked at.
    void next_case(const std::string& upcoming) {
        bool peeks = ctx.blocks.b_top_is_case();
        ctx.includes.i_push_text("PROG.PLM", upcoming, false);
        cases().ss_next_case();
        if (peeks) ctx.scanner.s_next_token();
        ctx.includes.i_pop_file();
    }
    void assign(const std::string& target, std::uint16_t value, const std::string& upcoming) {
        stmt().s_assign(id(target), number(value));
        next_case(upcoming);
    }
};

TEST(DoCase, EachStatementIsANumberedCaseAndTheLastCaseIsEmpty) {
    CaseRun run;
    run.cases().s_start_case(id("k"));
    run.assign("x", 1, "x = 2;");
    run.assign("x", 2, "END;");
    run.cases().s_end_case("", "");
    EXPECT_EQ(run.text(), "switch (k) {\n"
                          "   case 0 :\n"
                          "      x = 1;\n"
                          "      break ;\n"
                          "   case 1 :\n"
                          "      x = 2;\n"
                          "      break ;\n"
                          "   case 2 :\n"
                          "      break;\n"
                          "}\n");
    EXPECT_EQ(run.ctx.blocks.b_top_kind(), BlockKind::procedure);
    EXPECT_EQ(run.cases().ss_case_count(), -1);
    EXPECT_EQ(run.ctx.output.indent_level(), 0);
}

TEST(DoCase, EmptyBodyHasCaseZeroOnlyAndAnEndLabelStandsBeforeTheBrace) {
    CaseRun run;
    run.cases().s_start_case(id("x"));
    run.cases().s_end_case("out", "");
    EXPECT_EQ(run.text(), "switch (x) {\n   case 0 :\n      break;\nout: ;\n}\n");
    EXPECT_NE(run.ctx.symbols.h_lookup_global("out"), nullptr);
}

TEST(DoCase, IfElseBodyCountsOnceBecauseElseIsPeekedAt) {
    CaseRun run;
    run.cases().s_start_case(id("k"));
    run.stmt().s_if(id("x"));
    run.assign("x", 1, "ELSE x = 2;");
    run.stmt().s_else();
    run.assign("x", 2, "END;");
    run.cases().s_end_case("", "");
    EXPECT_EQ(run.text(), "switch (k) {\n"
                          "   case 0 :\n"
                          "      if ( (x)&1 )\n"
                          "         x = 1;\n"
                          "      else\n"
                          "         x = 2;\n"
                          "      break ;\n"
                          "   case 1 :\n"
                          "      break;\n"
                          "}\n");
}

TEST(DoCase, DoBlockBodyCountsOnceAndItsStatementsNotAtAll) {
    CaseRun run;
    run.cases().s_start_case(id("k"));
    run.ctx.blocks.b_push_block(BlockKind::simple_do);
    run.stmt().s_simple_do();
    run.assign("x", 3, "x = 4;");
    run.assign("x", 4, "END;");
    run.stmt().s_simple_do_end("", "");
    run.next_case("END;");
    run.cases().s_end_case("", "");
    EXPECT_EQ(run.text(), "switch (k) {\n"
                          "   case 0 :\n"
                          "      {\n"
                          "         x = 3;\n"
                          "         x = 4;\n"
                          "      }\n"
                          "      break ;\n"
                          "   case 1 :\n"
                          "      break;\n"
                          "}\n");
}

TEST(DoCase, NestedDoCaseNumbersItsOwnCasesAndCountsOnceOutside) {
    CaseRun run;
    run.cases().s_start_case(id("k"));
    run.cases().s_start_case(id("x"));
    run.assign("x", 5, "END;");
    run.cases().s_end_case("", "");
    run.next_case("x = 6;");
    run.assign("x", 6, "END;");
    run.cases().s_end_case("", "");
    EXPECT_EQ(run.text(), "switch (k) {\n"
                          "   case 0 :\n"
                          "      switch (x) {\n"
                          "         case 0 :\n"
                          "            x = 5;\n"
                          "            break ;\n"
                          "         case 1 :\n"
                          "            break;\n"
                          "      }\n"
                          "      break ;\n"
                          "   case 1 :\n"
                          "      x = 6;\n"
                          "      break ;\n"
                          "   case 2 :\n"
                          "      break;\n"
                          "}\n");
}

TEST(DoCase, AtModuleLevelItOpensMainFirst) {
    CaseRun run(BlockKind::simple_do);
    run.cases().s_start_case(id("k"));
    run.cases().s_end_case("", "");
    EXPECT_EQ(run.text(), "\n\nmain()\n{\n   switch (k) {\n      case 0 :\n      "
                          "   break;\n   }\n");
}

} // namespace
} // namespace xlatr
