// Compiler directives and literal constants driven the way the grammar drives
// them, at module level of PROG.PLM, line 5, printing into tmp_main.t.
#include "declarations/directives.h"
#include "declarations/literals.h"
#include "declarations/symbols.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace xlatr {
namespace {

using testing::source;

class Directive : public ::testing::Test {
  protected:
    void SetUp() override {
        ctx.includes.i_push_text("PROG.PLM", "", false);
        ctx.s_set_line(5);
        ctx.blocks.b_push_block(BlockKind::simple_do);
        ASSERT_TRUE(ctx.symbols.h_push_declare_block());
        ASSERT_TRUE(ctx.output.o_push_file("tmp_main.t", true, false, Storage::memory));
    }

    // What reached tmp_main.t, with the directive text still waiting in the
    // remark store printed after it.
    std::string printed() {
        ctx.remarks.r_flush_remarks();
        const std::string* text = ctx.files.temps.find("tmp_main.t");
        return text ? *text : std::string();
    }
    std::string messages() const { return run.err.str(); }
    const sym_entry* entry(const std::string& name) const { return ctx.symbols.h_lookup(name); }
    int if_state() const { return ctx.directives.if_state; }

    void set(const std::string& list) { dv_set_state(ctx, 2, source(list)); }
    void reset(const std::string& list) { dv_set_state(ctx, 3, source(list)); }
    void left_margin(const std::string& list) { dv_set_state(ctx, 4, source(list)); }

    value_node whole(int kind, std::uint16_t number) {
        value_node value;
        value.kind = kind;
        value.number = number;
        return value;
    }

    testing::TestRun run;
    Context& ctx = run.ctx;
};

TEST_F(Directive, NamesGetTheSwitchSpellingAndOnlyUndeclaredOnesBecomeSwitches) {
    auto variable = std::make_unique<sym_entry>();
    variable->name.assign(1, 'B');
    variable->usage = usage::scalar;
    ASSERT_TRUE(ctx.symbols.h_insert(variable));

    exp_list list = source("flag1 AND b OR NO_1");
    dv_update_ids(ctx, list);

    std::vector<std::string> names;
    for (const exp_node& node : list)
        if (node.kind == exp_identifier) names.push_back(node.name);
    EXPECT_EQ(names, (std::vector<std::string>{"flaG1", "B", "NO_1"}));
    ASSERT_TRUE(entry("flaG1"));
    EXPECT_EQ(entry("flaG1")->type_code, type_code::directive_type);
    EXPECT_EQ(entry("flaG1")->usage, usage::directive_switch);
    EXPECT_EQ(entry("flaG1")->flag, 0);
    EXPECT_EQ(entry("NO_1")->usage, usage::directive_switch);
    EXPECT_EQ(entry("B")->usage, usage::scalar);
}

TEST_F(Directive, SetAndResetPrintDefinesAndOnlyAPlainSetCountsAsSet) {
    set("debug , level = 3");
    EXPECT_EQ(entry("debuG")->flag, 1);
    EXPECT_EQ(entry("leveL")->flag, if_undetermined) << "C tests the value";
    reset("debug");
    EXPECT_EQ(entry("debuG")->flag, 0);
    set("debug");
    reset("level = 4");

    EXPECT_EQ(printed(), "\n#define debuG\t0XFF\n#define leveL\t3 \n\n"
                         "\n#undef debuG\n#define debuG\t0 \n\n"
                         "\n#define debuG\t0XFF \n\n"
                         "\n#undef leveL\n#define leveL\t4 \n\n");
    EXPECT_EQ(entry("debuG")->flag, 1);
    EXPECT_EQ(entry("leveL")->flag, if_undetermined);
    EXPECT_FALSE(ctx.files.temps.find("d_irect.t"));
}

TEST_F(Directive, OnlyALoneSwitchNameDeterminesTheRegion) {
    set("on");
    reset("off");
    set("valued = 2");
    const std::vector<std::pair<std::string, int>> cases = {
        {"on", if_true},
        {"off", if_false},
        {"valued", if_undetermined},
        {"never", if_false},
        {"3", if_true},
        {"NOT on", if_undetermined},
        {"( on )", if_undetermined},
        {"on OR off", if_undetermined},
    };
    for (const auto& [condition, state] : cases) {
        dv_if_state(ctx, false, source(condition));
        EXPECT_EQ(if_state(), state) << condition;
    }
}

TEST_F(Directive, ASavedConditionPrintedAgainKeepsItsState) {
    set("on");
    dv_if_state(ctx, false, source("on"));
    exp_list again = std::move(ctx.directives.saved_condition);
    ctx.directives.if_state = if_undetermined;
    dv_print_condition(ctx, again);
    EXPECT_EQ(if_state(), if_true);
}

TEST_F(Directive, RegionsPrintTheirLinesAndTrackTheBranch) {
    set("on");
    reset("off");
    // $ELSEIF is an #elif: once a branch is known to be taken, the later
    // ones are known to be skipped.
    dv_if_state(ctx, false, source("on"));
    EXPECT_EQ(if_state(), if_true);
    EXPECT_FALSE(ctx.directives.saved_condition.empty());
    dv_if_state(ctx, true, source("on"));
    EXPECT_EQ(if_state(), if_false);
    EXPECT_FALSE(ctx.directives.in_else);
    dv_else_state(ctx);
    EXPECT_EQ(if_state(), if_false);
    EXPECT_TRUE(ctx.directives.in_else);
    dv_endif_state(ctx);
    EXPECT_EQ(if_state(), if_undetermined);
    EXPECT_TRUE(ctx.directives.saved_condition.empty());
    EXPECT_TRUE(ctx.directives.earlier_conditions.empty());
    EXPECT_FALSE(ctx.directives.in_else);

    // Only when every branch before it is known to be skipped is a branch
    // known from its own condition.
    dv_if_state(ctx, false, source("NOT on"));
    EXPECT_EQ(if_state(), if_undetermined);
    dv_if_state(ctx, true, source("on"));
    EXPECT_EQ(if_state(), if_undetermined);
    dv_else_state(ctx);
    EXPECT_EQ(if_state(), if_undetermined);
    dv_endif_state(ctx);
    dv_if_state(ctx, false, source("off"));
    dv_if_state(ctx, true, source("off"));
    EXPECT_EQ(if_state(), if_false);
    dv_else_state(ctx);
    EXPECT_EQ(if_state(), if_true);
    dv_endif_state(ctx);

    EXPECT_EQ(printed(), "\n#define oN\t0XFF \n\n"
                         "\n#undef ofF\n#define ofF\t0 \n\n"
                         "\n#if  (oN)&1 \n"
                         "\n#elif  (oN)&1 \n"
                         "\n#else\n\n"
                         "\n#endif\n\n"
                         "\n#if  (~oN)&1 \n"
                         "\n#elif  (oN)&1 \n"
                         "\n#else\n\n"
                         "\n#endif\n\n"
                         "\n#if  (ofF)&1 \n"
                         "\n#elif  (ofF)&1 \n"
                         "\n#else\n\n"
                         "\n#endif\n\n");
}

TEST_F(Directive, SaveAndRestoreKeepTheMarginsInStackOrder) {
    left_margin("2");
    dv_control(ctx, 9);
    left_margin("( 8 )");
    dv_control(ctx, 9);
    left_margin("4");
    EXPECT_EQ(dv_get_left_margin(ctx), 4);
    dv_control(ctx, 10);
    EXPECT_EQ(dv_get_left_margin(ctx), 8);
    dv_control(ctx, 10);
    EXPECT_EQ(dv_get_left_margin(ctx), 2);
    EXPECT_FALSE(ddv_pop(ctx));
    EXPECT_EQ(dv_get_left_margin(ctx), 2);
    dv_control(ctx, 1);
    EXPECT_TRUE(ctx.directives.margin_stack.empty());
}

TEST_F(Directive, LeftMarginTakesANumberAfterAtMostOneParenthesis) {
    left_margin("6");
    for (const char* argument : {"- 4", "width", "( ( 4 ) )", "( - 4 )"})
        left_margin(argument);
    EXPECT_EQ(dv_get_left_margin(ctx), 6);
    std::string message = "PROG.PLM: fatal! leftmargin accepts simple const only - line 5\n";
    EXPECT_EQ(messages(), message + message + message + message);
    EXPECT_TRUE(ctx.messages.error_flag);
}

TEST_F(Directive, NumericLiteralsDefineConstantsByTheKindOfTheirValue) {
    d_literal_numeric(ctx, "size", whole(val_decimal, 10));
    d_literal_numeric(ctx, "mask", whole(val_hex, 0x8000));
    d_literal_numeric(ctx, "bits", whole(val_binary, 5));
    d_literal_numeric(ctx, "ratio", d_num_float_cn(val_real, 2.0));
    d_literal_numeric(ctx, "size", whole(val_decimal, 12));

    EXPECT_EQ(printed(), "\n#define\tSIZE\t10\n\n#define\tMASK\t0X8000\n\n#define\tBITS\t05\n"
                         "\n#define\tRATIO\t2.0\n");
    EXPECT_EQ(messages(), "PROG.PLM: warning! constant \"size\" is multiply defined - line 5\n");
    EXPECT_EQ(entry("size")->usage, usage::constant);
    EXPECT_EQ(entry("size")->flag, 0);
    EXPECT_EQ(entry("mask")->flag, 1);
    EXPECT_EQ(entry("size")->pointee_type, type_code::word_type);
    EXPECT_EQ(entry("ratio")->pointee_type, type_code::real_type);
}

TEST_F(Directive, IgnoredLiteralsStopExpandingAndUnknownNamesAreEntered) {
    ASSERT_TRUE(ctx.symbols.h_insert_literal("tail", ", b WORD)"));
    d_set_literal_ignor(ctx, "tail");
    d_set_literal_ignor(ctx, "other");

    EXPECT_EQ(entry("tail")->usage, usage::ignored_literal);
    EXPECT_EQ(entry("tail")->type_code, type_code::literal_type);
    EXPECT_TRUE(entry("tail")->text.empty());
    EXPECT_EQ(entry("other")->usage, usage::ignored_literal);
    EXPECT_EQ(entry("other")->type_code, type_code::struct_literal_type);
}

} // namespace
} // namespace xlatr
