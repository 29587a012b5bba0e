#include "translate/statements.h"

#include "declarations/emission.h"
#include "declarations/records.h"
#include "driver/context.h"
#include "test_support.h"
#include "translate/labels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <string_view>

namespace xlatr {
namespace {

using testing::source;
using testing::TestRun;

constexpr std::string_view main_opening = "\n\nmain()\n{\n";

exp_list member_ref(const std::string& name, const std::string& member, exp_list subscript = {}) {
    return e_data_ref(name, {}, e_member_ref(member, std::move(subscript)));
}

// The module body of PROG.PLM: its scope, its own DO block, and tmp_main.t as
// the current output.
struct StatementRun : TestRun {
    StatementRun() {
        ctx.includes.i_push_text("PROG.PLM", "", false);
        ctx.s_set_line(4);
        ctx.symbols.h_push_declare_block();
        ctx.output.o_push_file("tmp_main.t", true, false, Storage::memory);
        ctx.blocks.b_push_block(BlockKind::simple_do);
    }

    Statements& stmt() { return ctx.statements; }
    std::string text() const { return *ctx.files.temps.find("tmp_main.t"); }
    // What follows main's opening, which the first statement prints.
    std::string in_main() const {
        std::string all = text();
        EXPECT_TRUE(all.starts_with(main_opening)) << all;
        return all.substr(std::min(all.size(), main_opening.size()));
    }

    sym_entry& declare(const std::string& name, type_code code, usage use = usage::scalar) {
        auto entry = std::make_unique<sym_entry>();
        entry->name = name;
        entry->type_code = code;
        entry->usage = use;
        sym_entry* stored = ctx.symbols.h_insert(entry);
        EXPECT_NE(stored, nullptr) << name;
        return *stored;
    }
    void bytes(std::initializer_list<const char*> names) {
        for (const char* name : names)
            declare(name, type_code::byte_type);
    }
    sym_entry& pointer(const std::string& name, type_code pointee) {
        sym_entry& entry = declare(name, type_code::pointer_type, usage::pointer_scalar);
        entry.pointee_type = pointee;
        return entry;
    }
    // The module END.
    void module_end() { stmt().s_simple_do_end("", ""); }
};

// ------------------------------------------------------------ main

TEST(MainProgram, FirstModuleStatementFollowsTheDeclarationsAndOpensMain) {
    StatementRun run;
    sym_entry& x = run.declare("x", type_code::byte_type);
    x.type = d_basic_type(type_code::byte_type);
    x.attributes = loc_var_attr{};
    run.ctx.declarations.dd_keep_id_name("x");

    run.stmt().s_assign(source("x"), source("1"));
    run.stmt().s_if(source("x = 1"));
    run.stmt().s_assign(source("x"), source("2"));
    run.module_end();
    EXPECT_EQ(run.text(), "static BYTE   x;\n\n"
                          "\n\nmain()\n{\n"
                          "   x = 1;\n"
                          "   if ( x == 1 )\n"
                          "      x = 2;\n"
                          "}\n");
    EXPECT_EQ(run.ctx.blocks.depth(), 0u);
    EXPECT_EQ(run.ctx.output.indent_level(), 0);
}

TEST(MainProgram, ProcedureStatementsOpenNoMainAndAnEmptyModuleCloseNone) {
    StatementRun run;
    run.bytes({"x"});
    run.ctx.blocks.b_push_block(BlockKind::reentrant_procedure);
    run.stmt().s_assign(source("x"), source("1"));
    run.ctx.blocks.b_push_block(BlockKind::simple_do);
    run.stmt().s_simple_do();
    run.ctx.blocks.b_pop_block();
    run.ctx.blocks.b_pop_block();
    run.ctx.output.o_indent_out();
    run.module_end();
    EXPECT_EQ(run.text(), "x = 1;\n{\n");
    EXPECT_EQ(run.stmt().main_pending, 1);
    EXPECT_EQ(run.ctx.output.indent_level(), 0);
}

TEST(MainProgram, DoBlocksAtModuleLevelOpenMainThenTheirBrace) {
    StatementRun run;
    run.bytes({"x"});
    for (int i = 0; i < 2; ++i) {
        run.ctx.blocks.b_push_block(BlockKind::simple_do);
        run.stmt().s_simple_do();
    }
    run.stmt().s_assign(source("x"), source("1"));
    run.stmt().s_simple_do_end("", "");
    run.stmt().s_simple_do_end("", "");
    run.module_end();
    EXPECT_EQ(run.in_main(), "   {\n      {\n         x = 1;\n      }\n   }\n}\n");
}

// ------------------------------------------------------ simple statements

TEST(SimpleStatements, EachFormPrintsItsLine) {
    StatementRun run;
    run.bytes({"a", "b", "x"});
    run.pointer("p", type_code::byte_type);
    run.declare("s", type_code::structure_type, usage::structure_variable);
    lb_insert_label(run.ctx, "far", scope_code::external_scope, 0);
    run.stmt().s_assign(source("a :: b"), source("0"));
    run.stmt().s_halt();
    run.stmt().s_enable_disable(0);
    run.stmt().s_enable_disable(1);
    run.stmt().s_cause_interrupt(source("( 3 )"));
    run.stmt().s_null_stmt();
    run.stmt().s_return(source("x"));
    run.stmt().s_return({});
    run.stmt().s_call_state("Init", {});
    run.stmt().s_call_state("Send", source("x , 1"));
    run.stmt().s_call_state("p", source("x , 1"));
    run.stmt().s_call_member("s", "f", {});
    run.stmt().s_goto("far");
    run.stmt().s_goto("later");
    EXPECT_EQ(run.in_main(), "   a = b = 0;\n"
                             "   exit(0);\n"
                             "   ENABLE();\n"
                             "   DISABLE();\n"
                             "   causeInterrupt(3);\n"
                             "   ;\n"
                             "   return(x);\n"
                             "   return;\n"
                             "   Init();\n"
                             "   Send(x,1);\n"
                             "   ( *((PROC_ptr)p) ) (x,1);\n"
                             "   ( *((PROC_ptr)s.f) ) ();\n"
                             "   JMP_to_far();\n"
                             "   goto later;\n");
}

TEST(SimpleStatements, LabelsStandAtTheStatementIndentAndEndLabelsBeforeTheBrace) {
    StatementRun run;
    run.bytes({"x"});
    run.stmt().s_label("top");
    run.stmt().s_while_state(source("x"));
    run.stmt().s_null_stmt();
    run.stmt().s_simple_do_end("again", "");
    EXPECT_EQ(run.in_main(), "   top:\n   while((x)&1) {\n      ;\n   again: ;\n   }\n");
    EXPECT_EQ(run.err.str(), "");
    run.stmt().s_label("again");
    EXPECT_EQ(run.err.str(), "PROG.PLM: fatal! label already declared before - line 4\n");
}

// ------------------------------------------------------------ IF and ELSE

TEST(IfElse, BranchesStandOneStepInAndANestedIfAtTheOuterIndent) {
    StatementRun run;
    run.bytes({"a", "b", "x"});
    run.stmt().s_if(source("a"));
    run.stmt().s_if(source("b < 3"));
    run.stmt().s_assign(source("x"), source("1"));
    run.stmt().s_else();
    run.stmt().s_if(source("NOT b"));
    run.stmt().s_label("l");
    run.stmt().s_return({});
    run.stmt().s_assign(source("x"), source("3"));
    EXPECT_EQ(run.in_main(), "   if ( (a)&1 )\n"
                             "   if ( b < 3 )\n"
                             "      x = 1;\n"
                             "   else\n"
                             "   if ( (~b)&1 )\n"
                             "   l:\n"
                             "      return;\n"
                             "   x = 3;\n");
}

TEST(IfElse, BlockBranchesOpenAtTheIfIndent) {
    StatementRun run;
    run.bytes({"a", "x"});
    run.stmt().s_if(source("a"));
    run.ctx.blocks.b_push_block(BlockKind::simple_do);
    run.stmt().s_simple_do();
    run.stmt().s_assign(source("x"), source("1"));
    run.stmt().s_simple_do_end("", "");
    run.stmt().s_else();
    run.stmt().s_while_state(source("x < 9"));
    run.stmt().s_simple_do_end("", "");
    run.stmt().s_null_stmt();
    EXPECT_EQ(run.in_main(),
              "   if ( (a)&1 )\n   {\n      x = 1;\n   }\n   else\n   while(x < 9) {\n   }\n   ;\n");
}

// ----------------------------------------------------------- iterative DO

TEST(IterativeDo, CountsDownOnlyForANegativeStepOnAnInteger) {
    StatementRun run;
    run.bytes({"i", "n"});
    run.declare("k", type_code::integer_type);
    run.declare("w", type_code::word_type);
    run.stmt().s_for_state("i", "", source("1"), source("n"), {});
    EXPECT_EQ(run.ctx.blocks.b_top_kind(), BlockKind::iterative_do);
    run.stmt().s_null_stmt();
    run.stmt().s_simple_do_end("", "");
    run.stmt().s_for_state("k", "", source("10"), source("0"), source("- 1"));
    run.stmt().s_simple_do_end("", "");
    run.stmt().s_for_state("w", "", source("10"), source("0"), source("- 1"));
    run.stmt().s_simple_do_end("", "");
    run.stmt().s_for_state("k", "", source("0"), source("10"), source("2"));
    run.stmt().s_simple_do_end("", "");
    run.stmt().s_for_state("k", "", source("5"), source("1"), source("65534"));
    run.stmt().s_simple_do_end("", "");
    EXPECT_EQ(run.in_main(), "   for ( i = 1 ; i <= n ; i += 1 ) {\n      ;\n   }\n"
                             "   for ( k = 10 ; k >= 0 ; k +=  - 1 ) {\n   }\n"
                             "   for ( w = 10 ; w <= 0 ; w +=  - 1 ) {\n   }\n"
                             "   for ( k = 0 ; k <= 10 ; k += 2 ) {\n   }\n"
                             "   for ( k = 5 ; k >= 1 ; k += 65534 ) {\n   }\n");
    EXPECT_TRUE(run.ctx.blocks.b_top_is_module());
}

TEST(IterativeDo, MemberControlVariableIsTestedAndPrintedAsAMember) {
    StatementRun run;
    run.declare("s", type_code::structure_type, usage::structure_variable);
    run.declare("s.i", type_code::integer_type);
    run.stmt().s_for_state("s", "i", source("3"), source("1"), source("- 1"));
    EXPECT_EQ(run.in_main(), "   for ( s.i = 3 ; s.i >= 1 ; s.i +=  - 1 ) {\n");
}

// ---------------------------------------------------------- pointer casts

TEST(PointerCasts, ScalarAndPointerTargets) {
    StatementRun run;
    run.declare("w", type_code::word_type);
    run.bytes({"y"});
    run.pointer("p", type_code::byte_type);
    run.pointer("q", type_code::word_type);
    run.pointer("r", type_code::byte_type);
    // Only the member makes the difference: s itself has p's pointee type.
    run.declare("s", type_code::structure_type, usage::structure_variable).pointee_type =
        type_code::byte_type;
    run.declare("s.p", type_code::pointer_type, usage::pointer_scalar);
    run.stmt().s_assign(source("w :: p"), source(". y"));
    run.stmt().s_assign(source("w"), source("p"));
    run.stmt().s_assign(source("w"), source("y + 1"));
    run.stmt().s_assign(source("p"), source("q"));
    run.stmt().s_assign(source("p"), source("r"));
    run.stmt().s_assign(source("p"), member_ref("s", "m"));
    run.stmt().s_assign(member_ref("s", "p"), source(". y"));
    run.stmt().s_assign(member_ref("s", "p", source("1")), source(". y"));
    EXPECT_EQ(run.in_main(), "   w = p = (WORD  )&(y);\n"
                             "   w = (WORD  )p;\n"
                             "   w = y + 1;\n"
                             "   p = (BYTE   *)q;\n"
                             "   p = r;\n"
                             "   p = (BYTE   *)s.m;\n"
                             "   s.p = (char *)&(y);\n"
                             "   s.p[1] = &(y);\n");
}

TEST(PointerCasts, StructurePointersCastUnlessTheSameStructureTypeIsAssigned) {
    StatementRun run;
    run.pointer("p", type_code::structure_type).structure_type_name = "REC";
    run.pointer("q", type_code::structure_type).structure_type_name = "REC";
    run.pointer("o", type_code::structure_type).structure_type_name = "OTHER";
    run.declare("r", type_code::structure_type, usage::structure_variable).structure_type_name = "REC";
    run.pointer("anon", type_code::structure_type);
    run.stmt().s_assign(source("p"), source("q"));
    run.stmt().s_assign(source("p"), source("o"));
    run.stmt().s_assign(source("p"), source(". r"));
    run.stmt().s_assign(source("anon"), source("o"));
    EXPECT_EQ(run.in_main(), "   p = q;\n   p = (REC  *)o;\n   p = (REC  *)&(r);\n   anon = o;\n");
}

TEST(PointerCasts, MemorySpaceWordComesFromTheTarget) {
    StatementRun run;
    run.bytes({"y"});
    run.declare("x1", type_code::word_type).memory_space = 1;
    run.declare("x3", type_code::word_type).memory_space = 3;
    sym_entry& c = run.declare("c", type_code::word_type);
    c.memory_space = 1;
    c.initialisation_kind = 3;
    run.declare("w", type_code::word_type);
    run.pointer("p", type_code::word_type).memory_space = 2;
    run.stmt().s_assign(source("x1"), source(". y"));
    run.stmt().s_assign(source("x3"), source(". y"));
    run.stmt().s_assign(source("c"), source(". y"));
    run.stmt().s_assign(source("p"), source(". y"));
    run.ctx.options.plm51_flag = true;
    run.stmt().s_assign(source("w"), source(". y"));
    EXPECT_EQ(run.in_main(), "   x1 = (WORD  xdata)&(y);\n"
                             "   x3 = (WORD  idata)&(y);\n"
                             "   c = (WORD  code)&(y);\n"
                             "   p = (WORD  data *)&(y);\n"
                             "   w = (WORD  data)&(y);\n");
}

} // namespace
} // namespace xlatr
