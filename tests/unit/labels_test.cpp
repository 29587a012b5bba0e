#include "translate/labels.h"

#include "driver/context.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace xlatr {
namespace {

using testing::TestRun;

constexpr const char* label_twice = "PROG.PLM: fatal! label already declared before - line 7\n";

// A module scope and tmp_main.t as the current output, reading PROG.PLM at
// line 7.
struct LabelRun : TestRun {
    LabelRun() {
        ctx.includes.i_push_text("PROG.PLM", "", false);
        ctx.s_set_line(7);
        ctx.symbols.h_push_declare_block();
        ctx.output.o_push_file("tmp_main.t", true, false, Storage::memory);
    }
    const sym_entry* label(const std::string& name) { return ctx.symbols.h_lookup_global(name); }
};

TEST(Labels, DeclarationThenOneDefinitionIsAcceptedAndASecondDefinitionIsFatal) {
    LabelRun run;
    EXPECT_TRUE(lb_insert_label(run.ctx, "again", scope_code::local_scope, 0));
    EXPECT_TRUE(lb_insert_label(run.ctx, "again", scope_code::local_scope, 1));
    EXPECT_EQ(run.err.str(), "");
    EXPECT_FALSE(lb_insert_label(run.ctx, "again", scope_code::local_scope, 1));
    EXPECT_EQ(run.err.str(), label_twice);
    EXPECT_TRUE(run.ctx.messages.error_flag);
    EXPECT_EQ(run.label("again")->reference_count, 2);
}

TEST(Labels, LabelsOfAProcedureShareTheModuleNamespace) {
    LabelRun run;
    run.ctx.symbols.h_push_declare_block();
    EXPECT_TRUE(lb_insert_label(run.ctx, "l", scope_code::local_scope, 1));
    run.ctx.symbols.h_free_declare_block();
    ASSERT_NE(run.label("l"), nullptr);
    EXPECT_EQ(run.label("l")->usage, usage::label);
    EXPECT_EQ(run.label("l")->type_code, type_code::label_type);
    EXPECT_FALSE(lb_insert_label(run.ctx, "l", scope_code::local_scope, 1));
}

TEST(Labels, ExternalLabelIsReachedThroughItsJumpFunctionAndCannotBeDefined) {
    LabelRun run;
    EXPECT_TRUE(lb_insert_label(run.ctx, "far", scope_code::external_scope, 0));
    EXPECT_EQ(run.label("far")->access_path, "JMP_to_far()");
    EXPECT_EQ(run.label("far")->scope, scope_code::external_scope);
    EXPECT_FALSE(lb_insert_label(run.ctx, "far", scope_code::local_scope, 1));
    EXPECT_EQ(run.err.str(), label_twice);
}

TEST(Labels, PublicLabelWritesItsJumpFunctionOnceAndOnlyIntoTmpFunc) {
    LabelRun run;
    run.ctx.output.o_indent_in();
    EXPECT_TRUE(lb_insert_label(run.ctx, "entry", scope_code::public_scope, 0));
    const std::string jump = "\nJMP_to_entry()\n{\n  longjmp(JMP_buf_entry, 1);\n}\n\n\n";
    EXPECT_EQ(*run.ctx.files.temps.find("tmp_func.t"), jump);
    EXPECT_TRUE(lb_insert_label(run.ctx, "entry", scope_code::local_scope, 1));
    EXPECT_EQ(*run.ctx.files.temps.find("tmp_func.t"), jump);
    EXPECT_EQ(*run.ctx.files.temps.find("tmp_header.t"),
              "#include <setjmp.h>\nstatic jmp_buf  JMP_buf_entry;\n");
    EXPECT_EQ(*run.ctx.files.temps.find("tmp_main.t"), "");
    EXPECT_EQ(run.ctx.output.indent_level(), 3);
    EXPECT_FALSE(run.ctx.blocks.b_in_procedure());
}

} // namespace
} // namespace xlatr
