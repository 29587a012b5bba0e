#include "translate/expressions.h"

#include "declarations/symbols.h"
#include "declarations/values.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace xlatr {
namespace {

using testing::source;
using testing::TestRun;

struct Printer : TestRun {
    Printer() {
        ctx.output.o_push_file("tmp_main.t", true, false, Storage::memory);
        ctx.symbols.h_push_declare_block();
    }

    std::string printed() const { return *ctx.files.temps.find("tmp_main.t"); }

    std::string print(exp_list& list, int mode = ee_value) {
        ee_print_exp(ctx, list, mode);
        std::string text = printed();
        ctx.files.temps.open("tmp_main.t", true).clear();
        return text;
    }
    std::string print(exp_list&& list, int mode = ee_value) { return print(list, mode); }

    sym_entry& declare(const std::string& name, usage use) {
        auto entry = std::make_unique<sym_entry>();
        entry->name = name;
        entry->usage = use;
        sym_entry* stored = ctx.symbols.h_insert(entry);
        EXPECT_NE(stored, nullptr) << name;
        return *stored;
    }
};

exp_list location_of(exp_list reference) {
    reference.front().loc_flag = 1;
    return reference;
}

exp_list member(const std::string& name, exp_list subscript = {}) {
    return e_member_ref(name, std::move(subscript));
}

// ------------------------------------------------------- logical rewrite
// The forms the expr_truth_* golden cases do not pin already.

TEST(LogicalRewrite, Examples) {
    struct Case {
        const char* source;
        int mode;
        const char* c_text;
    };
    const Case cases[] = {
        // Chains mixing relations and connectives.
        {"a AND b OR c", ee_value, "a & b | c"},
        {"a < b AND c AND d < e", ee_condition, "a < b && (c)&1 && d < e"},
        {"a < b AND NOT c", ee_condition, "a < b && (~c)&1"},
        {"NOT a AND b", ee_condition, "(~a)&1 && (b)&1"},
        {"a XOR b AND c", ee_condition, "(a ^ b & c)&1"},
        {"a < b AND c", ee_value, "(a < b ? 0Xffff : 0X0) & c"},
        // NOT operands are enclosed and become logical only in conditions.
        {"NOT a < b", ee_value, "~((a < b ? 0Xffff : 0X0))"},
        {"NOT ( a AND b )", ee_value, "~(a & b)"},
        // The operand stops at the close of the group the NOT stands in.
        {"( NOT a + b ) AND c", ee_value, "(~(a + b)) & c"},
        {"( NOT a ) + b", ee_value, "(~a) + b"},
        // "!" before a group is already a truth value: no mask around it.
        {"NOT ( a ) AND b", ee_condition, "!((a)&1) && (b)&1"},
        // Logical neighbours only: a nested group keeps the condition mode.
        {"( a AND b ) OR c", ee_condition, "((a)&1 && (b)&1) || (c)&1"},
        {"NOT ( a AND b )", ee_condition, "(!((a)&1 && (b)&1))&1"},
        {"( ( a ) )", ee_condition, "(((a)&1))"},
        {"( NOT a < b ) AND c", ee_condition, "((!(a < b))&1) && (c)&1"},
        // An arithmetic or relational neighbour makes the group a value.
        {"( a AND b ) = c", ee_condition, "(a & b) == c"},
        {"x + ( a < b )", ee_value, "x + ((a < b ? 0Xffff : 0X0))"},
        {"( a < b ) + ( c OR d ) > 1", ee_condition, "((a < b ? 0Xffff : 0X0)) + (c | d) > 1"},
        // Commas separate pieces that are rewritten one by one.
        {"a , b < c , d AND e", ee_condition, "(a)&1,b < c,(d)&1 && (e)&1"},
    };
    Printer p;
    for (const Case& c : cases)
        EXPECT_EQ(p.print(source(c.source), c.mode), c.c_text) << c.source;
}

TEST(LogicalRewrite, ArgumentsAreValuesAndAListIsRewrittenOnlyOnce) {
    Printer p;
    EXPECT_EQ(p.print(e_get_id("f", source("a < b , c")), ee_value), "f((a < b ? 0Xffff : 0X0),c)");
    exp_list list = source("a AND b");
    EXPECT_EQ(p.print(list, ee_condition), "(a)&1 && (b)&1");
    EXPECT_EQ(p.print(list, ee_condition), "(a)&1 && (b)&1");
    EXPECT_EQ(p.print(list, ee_value), "(a)&1 && (b)&1");
}

// ----------------------------------------------------------- constructors

std::string shape(const exp_list& list) {
    std::string text;
    for (const exp_node& node : list) {
        if (!text.empty()) text += ' ';
        switch (node.kind) {
        case exp_operator:
            text += "op";
            text += std::to_string(node.op);
            break;
        case exp_constant:
            text += '#';
            text += std::to_string(node.value.number);
            break;
        default:
            text += node.name;
            break;
        }
    }
    return text;
}

TEST(Constructors, MultiplicationLeavesOutAFactorOfOneAndEmptyOperandsDrop) {
    EXPECT_EQ(shape(e_mult_exp(source("a"), source("b"))), "op18 a op19 op13 op18 b op19");
    EXPECT_EQ(shape(e_mult_exp(source("1"), source("b + c"))), "b op11 c");
    EXPECT_EQ(shape(e_mult_exp(source("a"), source("1"))), "a");
    // Only the constant 1 as a whole is a neutral factor.
    EXPECT_EQ(shape(e_mult_exp(source("1 + x"), source("b"))), "op18 #1 op11 x op19 op13 op18 b op19");
    TestRun run;
    EXPECT_EQ(shape(e_mult_exp(e_get_word_const(run.ctx, val_hex, 1), source("b"))),
              "op18 #1 op19 op13 op18 b op19");
    // The cell keeps the whole value: 65537 is no 1.
    EXPECT_FALSE(e_is_const_one(e_get_word_const(run.ctx, val_decimal, 65537).front()));
    EXPECT_FALSE(e_is_const_one(e_get_word_const(run.ctx, val_decimal, 2).front()));
    EXPECT_TRUE(e_mult_exp({}, source("b")).empty());
    EXPECT_TRUE(e_mult_exp(source("a"), {}).empty());
    EXPECT_TRUE(e_mult_exp(source("1"), {}).empty());
    EXPECT_TRUE(e_paren_exp(op_open, {}, op_close).empty());
    EXPECT_EQ(shape(e_add_exp({}, source("b"))), "b");
    EXPECT_EQ(shape(e_add_exp(source("a"), {})), "a");
}

TEST(Constructors, CopyIsDeepAndRefusesUnknownKinds) {
    exp_list original = e_data_ref("a", source("i + 1"), member("m", source("j")));
    original.front().size_flag = 1;
    exp_list copy = e_copy_expr(original);
    original.front().args.clear();
    original.front().member_args.front().name = "changed";
    EXPECT_EQ(shape(copy.front().args), "i op11 #1");
    EXPECT_EQ(shape(copy.front().member_args), "j");
    EXPECT_EQ(copy.front().size_flag, 1);

    exp_list bad_node = source("a + b");
    bad_node.back().kind = 7;
    EXPECT_TRUE(e_copy_expr(bad_node).empty());
    exp_list bad_value = source("a + 1");
    bad_value.back().value.kind = 9;
    EXPECT_TRUE(e_copy_expr(bad_value).empty());
}

// ---------------------------------------------------------------- queries

TEST(Queries, IsNegative) {
    Printer p;
    EXPECT_TRUE(e_is_negative(p.ctx, e_get_word_const(p.ctx, val_hex, 0x8000).front()));
    EXPECT_FALSE(e_is_negative(p.ctx, e_get_word_const(p.ctx, val_hex, 0x7FFF).front()));
    // A DWORD constant past 0FFFFH is no negative WORD.
    EXPECT_FALSE(e_is_negative(p.ctx, e_get_word_const(p.ctx, val_hex, 0x18000).front()));
    EXPECT_TRUE(e_is_negative(p.ctx, e_get_op(op_minus_reserved).front()));
    EXPECT_FALSE(e_is_negative(p.ctx, e_get_op(op_plus).front()));

    p.ctx.symbols.h_insert_const("neg")->flag = 1;
    p.ctx.symbols.h_insert_const("pos");
    p.ctx.symbols.h_insert_literal("minus", "  -5");
    p.ctx.symbols.h_insert_literal("plus", " 5-1");
    p.declare("x", usage::scalar).flag = 1; // a parameter, not a sign
    EXPECT_TRUE(e_is_negative(p.ctx, source("neg").front()));
    EXPECT_FALSE(e_is_negative(p.ctx, source("pos").front()));
    EXPECT_TRUE(e_is_negative(p.ctx, source("minus").front()));
    EXPECT_FALSE(e_is_negative(p.ctx, source("plus").front()));
    EXPECT_FALSE(e_is_negative(p.ctx, source("x").front()));
    EXPECT_FALSE(e_is_negative(p.ctx, source("undeclared").front()));
}

// --------------------------------------------------------------- constants

TEST(Constants, EdgesOfTheirPrintedForms) {
    Printer p;
    EXPECT_EQ(p.print(e_get_word_const(p.ctx, val_binary, 0)), "00");
    EXPECT_EQ(p.print(e_get_word_const(p.ctx, val_octal, 8)), "010");
    EXPECT_EQ(p.print(e_get_word_const(p.ctx, val_hex, 0x12345)), "0X12345");
    EXPECT_EQ(p.print(e_create_const(d_num_float_cn(val_real, 1e20))), "1e+20");
    value_node character;
    character.kind = val_character;
    character.number = 'A';
    EXPECT_EQ(p.print(e_create_const(character)), "A");
    // String locations print as C strings between blanks; characters that
    // would end or break a C literal are escaped.
    EXPECT_EQ(p.print(e_str_loc_ref("AB C")), " (BYTE *)\"AB C\" ");
    EXPECT_EQ(p.print(e_str_loc_ref(c_string_text("a\\b\"c"))), " (BYTE *)\"a\\\\b\\\"c\" ");
    EXPECT_EQ(p.print(d_str_init_val("\\")), "'\\\\'");
    EXPECT_EQ(p.err.str(), "");
    EXPECT_FALSE(p.ctx.messages.error_flag);

    // Two characters used as a number are a WORD, the first its high byte.
    EXPECT_EQ(p.print(d_str_init_val("AB")), "(('A'<<8)|'B')");
    EXPECT_FALSE(p.ctx.messages.error_flag);

    // A longer string used as a number is a syntax error, printed all the
    // same.
    EXPECT_EQ(p.print(d_str_init_val("ABC")), "'A','B','C'");
    EXPECT_NE(p.err.str().find("fatal! syntax error"), std::string::npos);
    EXPECT_TRUE(p.ctx.messages.error_flag);
}

TEST(Constants, UnknownKindsReportMessage5AndPrintNothing) {
    Printer p;
    value_node odd = d_numeric_const(p.ctx, 7, 3);
    EXPECT_NE(p.err.str().find("warning! there is no such case in switch"), std::string::npos);
    EXPECT_EQ(p.print(e_create_const(odd)), "");
    EXPECT_EQ(p.print(e_get_op(30)), "");
    EXPECT_EQ(p.print(e_get_op(op_empty)), "");
    EXPECT_FALSE(p.ctx.messages.error_flag);
}

// ------------------------------------------------------ identifier printing

TEST(Identifiers, PrintByUsage) {
    Printer p;
    for (const char* name : {"x", "i", "s.k"})
        p.declare(name, usage::scalar);
    for (const char* name : {"a", "s.m"})
        p.declare(name, usage::array_variable);
    p.declare("ptr", usage::pointer_scalar);
    p.declare("y", usage::scalar).access_path = "Un1.St1.y";
    p.declare("u", usage::scalar).access_path = "Un1.u";
    p.declare("lbl", usage::label);
    p.declare("p", usage::procedure);
    p.declare("f", usage::typed_procedure);
    p.declare("s", usage::structure_variable);
    p.ctx.symbols.h_insert_const("max");
    p.ctx.symbols.h_insert_literal("lit", "3");
    struct Case {
        exp_list list;
        const char* c_text;
        int mode = ee_value;
    };
    Case cases[] = {
        // Names printed as they are, or by their access path.
        {source("y"), "Un1.St1.y"},
        {source("max"), "MAX"},
        {source("lbl"), "lbl"},
        {source("lit"), "lit"},
        // A procedure without a return type is printed without its arguments.
        {e_get_id("p", source("x")), "p"},
        {source("undeclared"), "undeclared"},
        // Arrays and their subscripts.
        {source("a"), "a"},
        {e_get_id("a", source("i < 2")), "a[(i < 2 ? 0Xffff : 0X0)]"},
        {e_data_ref("a", source("3"), member("k", source("i"))), "a[3].k[i]"},
        {e_data_ref("a", source("3"), member("k")), "(a[3].k)&1", ee_condition},
        // Typed procedures; an undeclared name takes the call form as given.
        {source("f"), "f()"},
        {e_get_id("f", source("x , 2")), "f(x,2)"},
        {e_get_id("f", source("x AND 1")), "(f(x & 1))&1", ee_condition},
        {e_get_id("g", source("a , b")), "g(a,b)"},
        // Structure members; the subscript of the structure itself is not printed.
        {e_data_ref("s", {}, member("k")), "s.k"},
        {e_data_ref("s", {}, member("m", source("2"))), "s.m[2]"},
        {e_data_ref("s", source("1"), member("k")), "s.k"},
        // Locations get the address-of wrapper by usage.
        {location_of(source("ptr")), "&(ptr)"},
        {location_of(source("u")), "&(Un1.u)"},
        {location_of(source("a")), "a"},
        {location_of(e_get_id("a", source("3"))), "&(a[3])"},
        {location_of(source("s")), "&(s)"},
        {location_of(e_data_ref("s", {}, member("m"))), "s.m"},
        {location_of(e_data_ref("s", {}, member("m", source("1")))), "&(s.m[1])"},
        {location_of(e_data_ref("s", {}, member("k"))), "&(s.k)"},
        {location_of(source("f")), "f"}, // the function, not a call of it
        {location_of(source("undeclared")), "undeclared"},
        // A location in a sum counts bytes.
        {e_binary_exp(source("x"), op_plus, location_of(source("x"))), "(x + (BYTE *)&(x))&1", ee_condition},
    };
    for (Case& c : cases)
        EXPECT_EQ(p.print(c.list, c.mode), c.c_text);
}

TEST(Identifiers, TheLocationOfABasedVariableIsItsBasePointer) {
    Printer p;
    p.declare("p", usage::pointer_scalar);
    p.declare("q", usage::pointer_scalar).access_path = "Un2.q";
    p.declare("x", usage::scalar).base_name = "p";
    p.declare("r", usage::structure_variable).base_name = "q";
    EXPECT_EQ(p.print(location_of(source("x"))), "p");
    EXPECT_EQ(p.print(location_of(source("r"))), "Un2.q");
    EXPECT_EQ(p.err.str(), "");
}

TEST(Identifiers, SizeLeavesOfUndeclaredTypeNamesPrintTheirSize) {
    Printer p;
    exp_list size = e_get_id("BYTE ", {});
    size.front().size_flag = 1;
    EXPECT_EQ(p.print(size), "sizeof(BYTE )");
    EXPECT_EQ(size.front().size_flag, 1);
}

} // namespace
} // namespace xlatr
