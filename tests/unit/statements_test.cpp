#include "translate/statements.h"

#include "driver/context.h"
#include "test_support.h"
#include "translate/labels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
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
};

// ------------------------------------------------------------ main

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
    run.stmt().s_simple_do_end("", ""); // the module END
    EXPECT_EQ(run.text(), "x = 1;\n{\n");
    EXPECT_EQ(run.stmt().main_pending, 1);
    EXPECT_EQ(run.ctx.output.indent_level(), 0);
}

// ------------------------------------------------------ simple statements

TEST(SimpleStatements, CallsAndJumpsOutsideTheGoldenForms) {
    StatementRun run;
    run.bytes({"x"});
    run.declare("s", type_code::structure_type, usage::structure_variable);
    lb_insert_label(run.ctx, "far", scope_code::external_scope, 0);
    run.stmt().s_call_state("Init", {});
    run.stmt().s_call_state("Send", source("x , 1"));
    run.stmt().s_call_member("s", "f", {});
    run.stmt().s_goto("far");
    EXPECT_EQ(run.in_main(), "   Init();\n"
                             "   Send(x,1);\n"
                             "   ( *((PROC_ptr)(unsigned long)s.f) ) ();\n"
                             "   JMP_to_far();\n");
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

TEST(IfElse, ALabelTakesTheIfIndentAndAWhileAfterElseOpensThere) {
    StatementRun run;
    run.bytes({"a", "x"});
    run.stmt().s_if(source("a"));
    run.stmt().s_label("l");
    run.stmt().s_return({});
    run.stmt().s_else();
    run.stmt().s_while_state(source("x < 9"));
    run.stmt().s_simple_do_end("", "");
    run.stmt().s_null_stmt();
    EXPECT_EQ(run.in_main(), "   if ( (a)&1 )\n"
                             "   l:\n"
                             "      return 0;\n"
                             "   else\n"
                             "   while(x < 9) {\n   }\n   ;\n");
}

// ----------------------------------------------------------- iterative DO

TEST(IterativeDo, AStepWithTheSignBitSetCountsAnIntegerDown) {
    StatementRun run;
    run.declare("k", type_code::integer_type);
    run.stmt().s_for_state("k", "", source("5"), source("1"), source("65534"));
    EXPECT_EQ(run.ctx.blocks.b_top_kind(), BlockKind::iterative_do);
    run.stmt().s_simple_do_end("", "");
    EXPECT_EQ(run.in_main(), "   for ( k = 5 ; k >= 1 ; k += 65534 ) {\n   }\n");
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
    run.pointer("r", type_code::byte_type);
    // Only the member makes the difference: s itself has p's pointee type.
    run.declare("s", type_code::structure_type, usage::structure_variable).pointee_type =
        type_code::byte_type;
    run.declare("s.p", type_code::pointer_type, usage::pointer_scalar);
    run.stmt().s_assign(source("w :: p"), source(". y"));
    run.stmt().s_assign(source("p"), source("r"));
    run.stmt().s_assign(source("p"), member_ref("s", "m"));
    run.stmt().s_assign(member_ref("s", "p"), source(". y"));
    run.stmt().s_assign(member_ref("s", "p", source("1")), source(". y"));
    EXPECT_EQ(run.in_main(), "   w = p = (WORD  )&(y);\n"
                             "   p = r;\n"
                             "   p = (BYTE   *)s.m;\n"
                             "   s.p = (char *)&(y);\n"
                             "   s.p[1] = &(y);\n");
}

TEST(PointerCasts, LaterLocationsAreCastOnlyInPlainArithmeticForOneTarget) {
    StatementRun run;
    run.declare("w", type_code::word_type);
    run.bytes({"b", "y"});
    run.stmt().s_assign(source("w"), source("2 + . y"));
    // A comparison's operands and the value of targets of several widths
    // keep their locations as they are; an embedded assignment's value takes
    // the cast of its own target.
    run.stmt().s_assign(source("b"), source("w = . y"));
    run.stmt().s_assign(source("b"), source("1 + ( w := 2 + . y )"));
    run.stmt().s_assign(source("b :: w"), source("1 + . y"));
    EXPECT_EQ(run.in_main(), "   w = 2 + (WORD  )&(y);\n"
                             "   b = (w == &(y) ? 0Xffff : 0X0);\n"
                             "   b = 1 + (w = 2 + (WORD  )&(y));\n"
                             "   b = w = 1 + &(y);\n");
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
