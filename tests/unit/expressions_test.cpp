#include "translate/expressions.h"

#include "declarations/symbols.h"
#include "declarations/values.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
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
    std::string condition(const std::string& text) { return print(source(text), ee_condition); }
    std::string value(const std::string& text) { return print(source(text), ee_value); }

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

TEST(LogicalRewrite, ConditionExamples) {
    Printer p;
    EXPECT_EQ(p.condition("a < b AND c"), "a < b && (c)&1");
    EXPECT_EQ(p.condition("a AND b"), "(a)&1 && (b)&1");
    EXPECT_EQ(p.condition("a"), "(a)&1");
    EXPECT_EQ(p.condition("( a + b )"), "((a + b)&1)");
    EXPECT_EQ(p.condition("( x )"), "((x)&1)");
    EXPECT_EQ(p.condition("NOT ( a < b )"), "(!(a < b))&1");
    EXPECT_EQ(p.condition("NOT a"), "(~a)&1");
    EXPECT_EQ(p.condition("a XOR b"), "(a ^ b)&1");
    EXPECT_EQ(p.condition("a AND b OR c"), "(a)&1 && (b)&1 || (c)&1");
    EXPECT_EQ(p.condition("a < b OR c < d"), "a < b || c < d");
    EXPECT_EQ(p.condition("x < 3"), "x < 3");
}

TEST(LogicalRewrite, ValueExamples) {
    Printer p;
    EXPECT_EQ(p.value("a < b AND c < d"), "(a < b ? 0Xffff : 0X0) & (c < d ? 0Xffff : 0X0)");
    EXPECT_EQ(p.value("NOT a + b"), "~(a + b)");
    EXPECT_EQ(p.value("( a = b )"), "((a == b ? 0Xffff : 0X0))");
    EXPECT_EQ(p.value("a AND b OR c"), "a & b | c");
    EXPECT_EQ(p.value("a + b * c MOD 2"), "a + b * c % 2");
    EXPECT_EQ(p.value("NOT a"), "~a");
    EXPECT_EQ(p.value("a XOR b"), "a ^ b");
}

TEST(LogicalRewrite, ChainsMixingRelationsAndConnectives) {
    Printer p;
    EXPECT_EQ(p.condition("a AND b < c"), "(a)&1 && b < c");
    EXPECT_EQ(p.condition("a < b AND c AND d < e"), "a < b && (c)&1 && d < e");
    EXPECT_EQ(p.condition("a < b AND NOT c"), "a < b && (~c)&1");
    EXPECT_EQ(p.condition("NOT a AND b"), "(~a)&1 && (b)&1");
    EXPECT_EQ(p.condition("a XOR b AND c"), "(a ^ b & c)&1");
    EXPECT_EQ(p.value("a < b AND c"), "(a < b ? 0Xffff : 0X0) & c");
}

TEST(LogicalRewrite, NotOperandsAreEnclosedAndBecomeLogicalOnlyInConditions) {
    Printer p;
    EXPECT_EQ(p.condition("NOT a < b"), "(!(a < b))&1");
    EXPECT_EQ(p.value("NOT a < b"), "~((a < b ? 0Xffff : 0X0))");
    EXPECT_EQ(p.value("NOT ( a AND b )"), "~(a & b)");
    // The operand stops at the close of the group the NOT stands in.
    EXPECT_EQ(p.value("( NOT a + b ) AND c"), "(~(a + b)) & c");
    EXPECT_EQ(p.value("( NOT a ) + b"), "(~a) + b");
    // "!" before a group is already a truth value: no mask around it.
    EXPECT_EQ(p.condition("NOT ( a ) AND b"), "!((a)&1) && (b)&1");
}

TEST(LogicalRewrite, NestedGroupsTakeTheModeOfTheirNeighbours) {
    Printer p;
    // Logical neighbours only: the group keeps the condition mode.
    EXPECT_EQ(p.condition("( a < b ) AND c"), "(a < b) && (c)&1");
    EXPECT_EQ(p.condition("( a AND b ) OR c"), "((a)&1 && (b)&1) || (c)&1");
    EXPECT_EQ(p.condition("NOT ( a AND b )"), "(!((a)&1 && (b)&1))&1");
    EXPECT_EQ(p.condition("( ( a ) )"), "(((a)&1))");
    EXPECT_EQ(p.condition("( NOT a < b ) AND c"), "((!(a < b))&1) && (c)&1");
    // An arithmetic or relational neighbour makes the group a value.
    EXPECT_EQ(p.condition("( a AND b ) = c"), "(a & b) == c");
    EXPECT_EQ(p.condition("x + ( a < b )"), "(x + ((a < b ? 0Xffff : 0X0)))&1");
    EXPECT_EQ(p.value("x + ( a < b )"), "x + ((a < b ? 0Xffff : 0X0))");
    EXPECT_EQ(p.condition("( a < b ) + ( c OR d ) > 1"), "((a < b ? 0Xffff : 0X0)) + (c | d) > 1");
}

TEST(LogicalRewrite, CommasSeparatePiecesThatAreRewrittenOneByOne) {
    Printer p;
    EXPECT_EQ(p.condition("a , b < c , d AND e"), "(a)&1,b < c,(d)&1 && (e)&1");
    EXPECT_EQ(p.print(e_get_id("f", source("a < b , c")), ee_value), "f((a < b ? 0Xffff : 0X0),c)");
}

TEST(LogicalRewrite, AListIsRewrittenOnlyOnce) {
    Printer p;
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
            text += "op" + std::to_string(node.op);
            break;
        case exp_constant:
            text += "#" + std::to_string(node.value.number);
            break;
        default:
            text += node.name;
            break;
        }
    }
    return text;
}

TEST(Constructors, BuildSourceOrderLists) {
    EXPECT_EQ(shape(e_binary_exp(source("a"), op_plus, source("b"))), "a op11 b");
    EXPECT_EQ(shape(e_binary_exp({}, op_comma, source("b"))), "op20 b");
    EXPECT_EQ(shape(e_unary_exp(op_minus, source("a * b"))), "op12 a op13 b");
    EXPECT_EQ(shape(e_paren_exp(op_open, source("a"), op_close)), "op18 a op19");
    EXPECT_TRUE(e_paren_exp(op_open, {}, op_close).empty());
    EXPECT_EQ(shape(e_concat({}, source("a b"))), "a b");
    EXPECT_EQ(shape(e_add_exp(source("a"), source("b"))), "a op11 b");
    EXPECT_EQ(shape(e_add_exp({}, source("b"))), "b");
    EXPECT_EQ(shape(e_add_exp(source("a"), {})), "a");
}

TEST(Constructors, DataRefTakesMemberAndMemberSubscriptFromTheHolder) {
    exp_list ref = e_data_ref("s", source("1"), member("m", source("2")));
    ASSERT_EQ(ref.size(), 1u);
    const exp_node& node = ref.front();
    EXPECT_EQ(node.kind, exp_identifier);
    EXPECT_EQ(node.name, "s");
    EXPECT_EQ(shape(node.args), "#1");
    EXPECT_EQ(node.member, "m");
    EXPECT_EQ(shape(node.member_args), "#2");
    EXPECT_EQ(e_data_ref("x", {}, {}).front().member, "");

    exp_list string = e_str_loc_ref("AB");
    EXPECT_EQ(string.front().kind, exp_string);
    EXPECT_EQ(string.front().loc_flag, 1);
}

TEST(Constructors, MultiplicationLeavesOutAFactorOfOne) {
    EXPECT_EQ(shape(e_mult_exp(source("a"), source("b"))), "op18 a op19 op13 op18 b op19");
    EXPECT_EQ(shape(e_mult_exp(source("1"), source("b + c"))), "b op11 c");
    EXPECT_EQ(shape(e_mult_exp(source("a"), source("1"))), "a");
    // Only the constant 1 as a whole is a neutral factor.
    EXPECT_EQ(shape(e_mult_exp(source("1 + x"), source("b"))), "op18 #1 op11 x op19 op13 op18 b op19");
    TestRun run;
    EXPECT_EQ(shape(e_mult_exp(e_get_word_const(run.ctx, val_hex, 1), source("b"))),
              "op18 #1 op19 op13 op18 b op19");
    EXPECT_TRUE(e_mult_exp({}, source("b")).empty());
    EXPECT_TRUE(e_mult_exp(source("a"), {}).empty());
    EXPECT_TRUE(e_mult_exp(source("1"), {}).empty());
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

TEST(Queries, IsConstOneOnlyForTheDecimalOne) {
    TestRun run;
    EXPECT_TRUE(e_is_const_one(e_get_word_const(run.ctx, val_decimal, 1).front()));
    // The cell keeps 16 bits: 65537 is 1.
    EXPECT_TRUE(e_is_const_one(e_get_word_const(run.ctx, val_decimal, 65537).front()));
    EXPECT_FALSE(e_is_const_one(e_get_word_const(run.ctx, val_hex, 1).front()));
    EXPECT_FALSE(e_is_const_one(e_get_word_const(run.ctx, val_decimal, 2).front()));
    EXPECT_FALSE(e_is_const_one(source("x").front()));
}

TEST(Queries, IsNegative) {
    Printer p;
    EXPECT_TRUE(e_is_negative(p.ctx, e_get_word_const(p.ctx, val_hex, 0x8000).front()));
    EXPECT_FALSE(e_is_negative(p.ctx, e_get_word_const(p.ctx, val_hex, 0x7FFF).front()));
    EXPECT_TRUE(e_is_negative(p.ctx, e_get_op(op_minus).front()));
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

// ------------------------------------------------------- numeric constants

TEST(NumericConstants, PrintByKindFromTheLow16Bits) {
    Printer p;
    auto number = [&](int kind, std::uint32_t value) {
        return p.print(e_get_word_const(p.ctx, kind, value));
    };
    EXPECT_EQ(number(val_decimal, 0), "0");
    EXPECT_EQ(number(val_octal, 0), "00");
    EXPECT_EQ(number(val_binary, 0), "00");
    EXPECT_EQ(number(val_binary, 5), "05");
    EXPECT_EQ(number(val_octal, 8), "010");
    EXPECT_EQ(number(val_hex, 0xFFFF), "0Xffff");
    EXPECT_EQ(number(val_decimal, 70000), "4464");
    EXPECT_EQ(number(val_hex, 0x12345), "0X2345");
    EXPECT_EQ(p.err.str(), "");
}

TEST(NumericConstants, RealsAlwaysShowThatTheyAreReal) {
    Printer p;
    auto real = [&](double value) { return p.print(e_create_const(d_num_float_cn(val_real, value))); };
    EXPECT_EQ(real(2.0), "2.0");
    EXPECT_EQ(real(1.5e3), "1500.0");
    EXPECT_EQ(real(0.25), "0.25");
    EXPECT_EQ(real(1e20), "1e+20");
}

TEST(NumericConstants, CharactersAndStrings) {
    Printer p;
    value_node character;
    character.kind = val_character;
    character.number = 'A';
    EXPECT_EQ(p.print(e_create_const(character)), "A");
    EXPECT_EQ(p.print(d_str_init_val("A")), "'A'");
    EXPECT_EQ(p.err.str(), "");
    EXPECT_FALSE(p.ctx.messages.error_flag);

    // A string of two or more characters used as a number is a syntax error,
    // printed all the same.
    EXPECT_EQ(p.print(d_str_init_val("AB")), "'A','B'");
    EXPECT_NE(p.err.str().find("fatal! syntax error"), std::string::npos);
    EXPECT_TRUE(p.ctx.messages.error_flag);
}

TEST(NumericConstants, InitialValueListsPrintOneConstantPerLine) {
    Printer p;
    p.ctx.expressions.ee_init_list_on();
    exp_list values = e_binary_exp(e_binary_exp(source("5"), op_comma, d_str_init_val("AB")), op_comma,
                                   e_get_word_const(p.ctx, val_hex, 0x10));
    EXPECT_EQ(p.print(values), "5\n,'A','B'\n,0X10\n");
    EXPECT_EQ(p.err.str(), "");
    p.ctx.expressions.ee_init_list_off();
    EXPECT_EQ(p.value("5"), "5");
}

TEST(NumericConstants, UnknownKindsReportMessage5AndPrintNothing) {
    Printer p;
    value_node odd = d_numeric_const(p.ctx, 7, 3);
    EXPECT_NE(p.err.str().find("warning! there is no such case in switch"), std::string::npos);
    EXPECT_EQ(p.print(e_create_const(odd)), "");
    EXPECT_EQ(p.print(e_get_op(30)), "");
    EXPECT_EQ(p.print(e_get_op(op_empty)), "");
    EXPECT_FALSE(p.ctx.messages.error_flag);
}

TEST(StringLocations, PrintAsCStringsBetweenBlanks) {
    Printer p;
    EXPECT_EQ(p.print(e_str_loc_ref("AB C")), " \"AB C\" ");
    // Characters that would end or break the C literal are escaped.
    EXPECT_EQ(p.print(e_str_loc_ref("a\\b\"c")), " \"a\\\\b\\\"c\" ");
    EXPECT_EQ(p.print(d_str_init_val("\\")), "'\\\\'");
}

// ------------------------------------------------------ identifier printing

TEST(Identifiers, ScalarsAndNamesPrintedAsTheyAre) {
    Printer p;
    p.declare("x", usage::scalar);
    p.declare("ptr", usage::pointer_scalar);
    p.declare("y", usage::scalar).access_path = "Un1.St1.y";
    p.declare("lbl", usage::label);
    p.declare("p", usage::procedure);
    p.ctx.symbols.h_insert_const("max");
    p.ctx.symbols.h_insert_literal("lit", "3");
    EXPECT_EQ(p.value("x + ptr"), "x + ptr");
    EXPECT_EQ(p.value("y"), "Un1.St1.y");
    EXPECT_EQ(p.value("max"), "MAX");
    EXPECT_EQ(p.value("lbl"), "lbl");
    EXPECT_EQ(p.value("lit"), "lit");
    // A procedure without a return type is printed without its arguments.
    EXPECT_EQ(p.print(e_get_id("p", source("x"))), "p");
    EXPECT_EQ(p.value("undeclared"), "undeclared");
}

TEST(Identifiers, ArraysWithSubscripts) {
    Printer p;
    p.declare("a", usage::array_variable);
    p.declare("i", usage::scalar);
    EXPECT_EQ(p.value("a"), "a");
    EXPECT_EQ(p.print(e_get_id("a", source("i + 1"))), "a[i + 1]");
    EXPECT_EQ(p.print(e_get_id("a", source("i < 2"))), "a[(i < 2 ? 0Xffff : 0X0)]");
    EXPECT_EQ(p.print(e_data_ref("a", source("3"), member("k", source("i")))), "a[3].k[i]");
    EXPECT_EQ(p.print(e_data_ref("a", source("3"), member("k")), ee_condition), "(a[3].k)&1");
}

TEST(Identifiers, ProceduresWithAndWithoutArguments) {
    Printer p;
    p.declare("f", usage::typed_procedure);
    p.declare("x", usage::scalar);
    EXPECT_EQ(p.value("f"), "f()");
    EXPECT_EQ(p.print(e_get_id("f", source("x , 2"))), "f(x,2)");
    EXPECT_EQ(p.print(e_get_id("f", source("x AND 1")), ee_condition), "(f(x & 1))&1");
    // Not declared: the call form with the arguments as given.
    EXPECT_EQ(p.print(e_get_id("g", source("a , b"))), "g(a,b)");
}

TEST(Identifiers, StructureMembers) {
    Printer p;
    p.declare("s", usage::structure_variable);
    p.declare("s.m", usage::array_variable);
    p.declare("s.k", usage::scalar);
    EXPECT_EQ(p.print(e_data_ref("s", {}, member("k"))), "s.k");
    EXPECT_EQ(p.print(e_data_ref("s", {}, member("m", source("2")))), "s.m[2]");
    // The subscript of the structure itself is not printed.
    EXPECT_EQ(p.print(e_data_ref("s", source("1"), member("k"))), "s.k");
}

TEST(Identifiers, LocationsGetTheAddressOfWrapperByUsage) {
    Printer p;
    p.declare("x", usage::scalar);
    p.declare("ptr", usage::pointer_scalar);
    p.declare("a", usage::array_variable);
    p.declare("s", usage::structure_variable);
    p.declare("s.m", usage::array_variable);
    p.declare("s.k", usage::scalar);
    p.declare("f", usage::typed_procedure);
    p.declare("u", usage::scalar).access_path = "Un1.u";
    EXPECT_EQ(p.print(location_of(source("x"))), "&(x)");
    EXPECT_EQ(p.print(location_of(source("ptr"))), "&(ptr)");
    EXPECT_EQ(p.print(location_of(source("u"))), "&(Un1.u)");
    EXPECT_EQ(p.print(location_of(source("a"))), "a");
    EXPECT_EQ(p.print(location_of(e_get_id("a", source("3")))), "&(a[3])");
    EXPECT_EQ(p.print(location_of(source("s"))), "&(s)");
    EXPECT_EQ(p.print(location_of(e_data_ref("s", {}, member("m")))), "s.m");
    EXPECT_EQ(p.print(location_of(e_data_ref("s", {}, member("m", source("1"))))), "&(s.m[1])");
    EXPECT_EQ(p.print(location_of(e_data_ref("s", {}, member("k")))), "&(s.k)");
    EXPECT_EQ(p.print(location_of(source("f"))), "f()");
    EXPECT_EQ(p.print(location_of(source("undeclared"))), "undeclared");
    EXPECT_EQ(p.print(e_binary_exp(source("x"), op_plus, location_of(source("x"))), ee_condition),
              "(x + &(x))&1");
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
