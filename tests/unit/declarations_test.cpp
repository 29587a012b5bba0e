// Declarations built the way the grammar builds them, flushed into tmp_main.t,
// and compared with the C text that the emission rules give.
#include "declarations/emission.h"
#include "declarations/records.h"
#include "declarations/symbols.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace xlatr {
namespace {

// A module-level declaration section at line 7 of PROG.PLM, printing into
// tmp_main.t.
class Declare : public ::testing::Test {
  protected:
    void SetUp() override {
        ctx.includes.i_push_text("PROG.PLM", "", false);
        ctx.s_set_line(7);
        ASSERT_TRUE(ctx.symbols.h_push_declare_block());
        ASSERT_TRUE(ctx.output.o_push_file("tmp_main.t", true, false, Storage::memory));
    }

    std::string printed() const {
        const std::string* text = ctx.files.temps.find("tmp_main.t");
        return text ? *text : std::string();
    }
    std::string flushed() {
        EXPECT_TRUE(d_flush_declarations(ctx));
        return printed();
    }
    std::string messages() const { return run.err.str(); }

    exp_list number(unsigned value) { return e_get_word_const(ctx, val_decimal, value); }
    // Values as the grammar chains them: comma operators between the items.
    exp_list values(std::initializer_list<unsigned> numbers) {
        exp_list list;
        for (unsigned value : numbers)
            list = list.empty() ? number(value) : e_binary_exp(std::move(list), op_comma, number(value));
        return list;
    }
    exp_list address_of(const std::string& name) {
        exp_list at = e_get_id(name, {});
        at.front().loc_flag = 1;
        return at;
    }

    loc_var_attr plain(int scope = attr_local, int space = space_none) {
        return d_var_attr(ctx, scope, {}, std::nullopt, space);
    }
    loc_var_attr initialised(int kind, exp_list list, int space = space_none) {
        return d_var_attr(ctx, attr_local, {}, d_initialization(kind, std::move(list)), space);
    }
    static var_type basic(type_code code) { return d_basic_type(code); }
    array_spec dimension(unsigned size) { return d_array_spec(number(size)); }

    bool declare(const std::string& name, var_type type, loc_var_attr attrs,
                 std::optional<array_spec> dim = std::nullopt, const std::string& base = "") {
        return d_single_declare_elem(ctx, d_var_nam_specifier(name, base), std::move(dim), std::move(type),
                                     std::move(attrs));
    }
    void declare_factored(const std::vector<std::string>& names, var_type type, loc_var_attr attrs,
                          std::optional<array_spec> dim = std::nullopt) {
        var_list list;
        for (const std::string& name : names)
            list = d_var_list(std::move(list), d_var_nam_specifier(name, ""));
        d_factored_declare_elem(ctx, std::move(list), std::move(dim), std::move(type), std::move(attrs));
    }
    struct_spec_list members_a_byte_b4_word() {
        struct_spec_list members =
            d_struct_member_elem(ctx, {}, {"a"}, d_array_spec({}), type_code::byte_type);
        return d_struct_member_elem(ctx, std::move(members), {"b"}, dimension(4), type_code::word_type);
    }
    const sym_entry& entry(const std::string& name) const {
        const sym_entry* found = ctx.symbols.h_lookup(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }

    testing::TestRun run;
    Context& ctx = run.ctx;
};

// ----------------------------------------------------------- repeated names

TEST_F(Declare, ASecondDeclarationOfANameIsReportedAndNotPrinted) {
    EXPECT_TRUE(declare("x", basic(type_code::byte_type), plain()));
    EXPECT_FALSE(declare("x", basic(type_code::word_type), plain()));
    EXPECT_EQ(flushed(), "static BYTE   x;\n\n");
    EXPECT_EQ(messages(), "PROG.PLM: warning - \"x\" is multiply declared in line 7\n");
}

TEST_F(Declare, ARepeatedNameThatIsNotQueuedLeavesTheFirstDeclarationQueued) {
    declare("y", basic(type_code::byte_type), plain());
    declare("x", basic(type_code::byte_type), plain());
    // AT with values: reported, and left out of the declarations.
    declare("x", basic(type_code::byte_type),
            d_var_attr(ctx, attr_local, address_of("y"), d_initialization(initial_values, values({1})), 0));
    EXPECT_EQ(flushed(), "static BYTE   y;\nstatic BYTE   x;\n\n");
}

TEST_F(Declare, AFactoredNameDeclaredTwiceLeavesTheGroupWhole) {
    declare("b", basic(type_code::word_type), plain());
    declare_factored({"a", "b", "c"}, basic(type_code::byte_type), plain());
    EXPECT_EQ(flushed(), "static WORD   b;\nstatic BYTE   a,c;\n\n");
}

// ------------------------------------------------------------------ remarks

TEST_F(Declare, TheRemarkOfAFactoredDeclarationPrintsOnceBeforeIt) {
    ctx.remarks.r_keep_remark("/* flags */", true);
    declare_factored({"f", "g"}, basic(type_code::byte_type), plain());
    EXPECT_EQ(flushed(), "/* flags */\nstatic BYTE   f,g;\n\n");
}

// -------------------------------------------------------------- structures

TEST_F(Declare, StructureMembersBecomeEntriesOfTheirOwner) {
    declare("s", d_struct_type(ctx, members_a_byte_b4_word()), plain());
    declare(
        "t",
        d_struct_type(ctx, d_struct_member_elem(ctx, {}, {"p"}, d_array_spec({}), type_code::pointer_type)),
        plain());
    const sym_entry& a = entry("s.a");
    EXPECT_EQ(a.usage, usage::scalar);
    EXPECT_EQ(a.type_code, type_code::byte_type);
    EXPECT_EQ(a.scope, scope_code::local_scope);
    EXPECT_TRUE(a.member_flag);
    EXPECT_EQ(a.owner, "s");
    EXPECT_EQ(entry("s.b").usage, usage::array_variable);
    EXPECT_EQ(entry("t.p").usage, usage::pointer_scalar);
    EXPECT_EQ(entry("t.p").pointee_type, type_code::byte_type);
    EXPECT_EQ(entry("s").usage, usage::structure_variable);
    EXPECT_EQ(entry("s").structure_type_name, "StrucT1");
    EXPECT_EQ(entry("StrucT1").usage, usage::structure_type);
}

TEST_F(Declare, AVariableOfANamedStructureGetsItsMembers) {
    d_literal_struct(ctx, "rec", members_a_byte_b4_word());
    declare("r", d_typedef_type({"rec"}), initialised(initial_values, values({1, 2})));
    EXPECT_EQ(entry("r.b").usage, usage::array_variable);
    EXPECT_EQ(entry("rec").type_code, type_code::struct_literal_type);
}

TEST_F(Declare, AStructureTypeThatWasNeverDefinedIsFatal) {
    declare("r", d_typedef_type({"nothing"}), plain());
    EXPECT_EQ(messages(), "PROG.PLM: fatal! no previous typedef declarartion in line 7\n");
    EXPECT_TRUE(ctx.messages.error_flag);
}

TEST_F(Declare, MemberRemarksPrintBeforeTheirMemberLine) {
    ctx.remarks.r_keep_remark("/* the type */", true);
    struct_spec_list members = d_struct_member_elem(ctx, {}, {"a"}, d_array_spec({}), type_code::byte_type);
    ctx.remarks.r_keep_remark("/* the count */", true);
    members = d_struct_member_elem(ctx, std::move(members), {"n"}, d_array_spec({}), type_code::word_type);
    d_literal_struct(ctx, "rec", std::move(members));
    EXPECT_EQ(printed(), "/* the type */\n"
                         "\ntypedef struct {\n   BYTE a;\n   /* the count */\n   WORD n;\n} rec;\n");
}

// ------------------------------------------------------ BASED and pointers

TEST_F(Declare, APointerToANamedStructureUsesTheTypeName) {
    d_literal_struct(ctx, "rec", members_a_byte_b4_word());
    declare("p", basic(type_code::pointer_type), plain(attr_public));
    declare("r", d_typedef_type({"rec"}), plain(), std::nullopt, "p");
    EXPECT_EQ(entry("r.a").usage, usage::scalar);
    EXPECT_EQ(flushed(), "\ntypedef struct {\n   BYTE a;\n   WORD b[4];\n} rec;\n"
                         "rec  *p;\n"
                         "\n");
}

TEST_F(Declare, AMemberBasePointerIsNeverRetyped) {
    declare(
        "s",
        d_struct_type(ctx, d_struct_member_elem(ctx, {}, {"p"}, d_array_spec({}), type_code::pointer_type)),
        plain());
    declare("w", basic(type_code::word_type), plain(), std::nullopt, d_base_spec("s", "p"));
    EXPECT_EQ(entry("w").base_name, "s.p");
    EXPECT_EQ(entry("s.p").pointee_type, type_code::byte_type);
}

TEST_F(Declare, AnUndeclaredBasePointerIsFatal) {
    declare("w", basic(type_code::word_type), plain(), std::nullopt, "nowhere");
    EXPECT_EQ(messages(), "PROG.PLM: fatal! base pointer was not declared previously - line 7\n");
    EXPECT_EQ(flushed(), "\n");
}

// ------------------------------------------------- groups and parameters

TEST_F(Declare, ParametersAreTakenOutOfAGroup) {
    for (const char* name : {"p1", "a", "p2", "b"})
        declare(name, basic(type_code::byte_type), plain());
    ctx.symbols.h_lookup("p1")->flag = 1;
    ctx.symbols.h_lookup("p2")->flag = 1;
    dd_set_id_num_of_mem(ctx, "p1", 4);
    std::vector<std::string> order;
    for (const kept_id& id : ctx.declarations.pending())
        order.push_back(id.name + ":" + std::to_string(id.group_count));
    EXPECT_EQ(order, (std::vector<std::string>{"p1:0", "p2:0", "a:2", "b:0"}));

    ctx.declarations.dd_set_id_pending("p1", parameter_pending);
    ctx.declarations.dd_set_id_pending("p2", parameter_pending);
    EXPECT_TRUE(dd_flush_simple_dec(ctx, parameter_pending));
    EXPECT_EQ(printed(), "BYTE   p1;\nBYTE   p2;\n");
    EXPECT_TRUE(dd_flush_simple_dec(ctx, ordinary_pending));
    EXPECT_EQ(printed(), "BYTE   p1;\nBYTE   p2;\nstatic BYTE   a,b;\n");
}

TEST_F(Declare, AnsiParametersFollowTheParameterList) {
    declare("p", basic(type_code::word_type), plain());
    declare("q", basic(type_code::byte_type), plain(), dimension(2));
    declare("local", basic(type_code::byte_type), plain());
    for (const char* name : {"p", "q"}) {
        ctx.symbols.h_lookup(name)->flag = 1;
        ctx.declarations.dd_set_id_pending(name, parameter_pending);
    }
    EXPECT_TRUE(dd_flush_Ansi_params(ctx, parameter_pending, 2, {"q", "p"}));
    EXPECT_EQ(printed(), "BYTE   q[2], WORD   p");
}

TEST_F(Declare, ABasedNameInsideAGroupLeavesTheOthersTogether) {
    declare("p", basic(type_code::pointer_type), plain(attr_public));
    var_list list = d_var_list({}, d_var_nam_specifier("a", ""));
    list = d_var_list(std::move(list), d_var_nam_specifier("b", "p"));
    list = d_var_list(std::move(list), d_var_nam_specifier("c", ""));
    d_factored_declare_elem(ctx, std::move(list), std::nullopt, basic(type_code::word_type), plain());
    EXPECT_EQ(flushed(), "WORD   *p;\nstatic WORD   a,c;\n\n");
}

TEST_F(Declare, AGroupWhoseLastNameIsBasedStillEnds) {
    declare("p", basic(type_code::pointer_type), plain(attr_public));
    var_list list = d_var_list({}, d_var_nam_specifier("a", ""));
    list = d_var_list(std::move(list), d_var_nam_specifier("b", "p"));
    d_factored_declare_elem(ctx, std::move(list), std::nullopt, basic(type_code::byte_type), plain());
    declare("z", basic(type_code::byte_type), plain());
    EXPECT_EQ(flushed(), "BYTE   *p;\nstatic BYTE   a;\nstatic BYTE   z;\n\n");
}

// ------------------------------------------------------------- failures

TEST_F(Declare, ANameMissingFromTheTablesFailsTheFlushOnceAndReleasesTheList) {
    declare("x", basic(type_code::byte_type), plain());
    ctx.declarations.dd_keep_id_name("ghost");
    EXPECT_FALSE(d_flush_declarations(ctx));
    EXPECT_EQ(messages(), "PROG.PLM: fatal! software error in line 7\n");
    EXPECT_TRUE(ctx.declarations.pending().empty());
    // The next statement's flush has nothing left to print or to report.
    EXPECT_TRUE(d_flush_declarations(ctx));
    EXPECT_EQ(messages(), "PROG.PLM: fatal! software error in line 7\n");
}

TEST_F(Declare, LaterFactoredNamesAreOverlaidBehindTheFirst) {
    declare("x", basic(type_code::byte_type), plain(), dimension(30));
    declare_factored({"a", "b", "c"}, basic(type_code::byte_type),
                     d_var_attr(ctx, attr_local, address_of("x"), std::nullopt, 0), dimension(10));
    ASSERT_TRUE(ctx.output.o_push_file("scratch.t", true, false, Storage::memory));
    for (const char* name : {"b", "c"}) {
        exp_list& at = ctx.symbols.h_lookup(name)->attributes->at;
        ASSERT_EQ(at.size(), 1u);
        EXPECT_EQ(at.front().name, "a");
        EXPECT_EQ(at.front().loc_flag, 1);
        ee_print_exp(ctx, at.front().args, ee_value);
        ctx.output.print(";");
    }
    EXPECT_EQ(*ctx.files.temps.find("scratch.t"), "10;(2) * (10);");
    EXPECT_EQ(entry("a").attributes->at.front().name, "x");
}

TEST_F(Declare, OverlayingAnImplicitArrayNeedsItsSize) {
    declare("x", basic(type_code::byte_type), plain(), dimension(30));
    declare_factored({"a", "b"}, basic(type_code::byte_type),
                     d_var_attr(ctx, attr_local, address_of("x"), std::nullopt, 0), d_array_spec_implicit());
    EXPECT_NE(messages().find("PROG.PLM: fatal! size of array must be set for union creation - line 7\n"),
              std::string::npos);
}

// ------------------------------------------------------------ other callers

TEST_F(Declare, UnionMembersPrintWithoutTheirValues) {
    declare("u", basic(type_code::byte_type), initialised(initial_values, values({1})));
    declare("v", basic(type_code::word_type), plain());
    EXPECT_EQ(dd_flush_single_dec_line(ctx, "u", true, true), dec_printed);
    EXPECT_EQ(dd_flush_single_dec_line(ctx, "v", true, true), dec_printed);
    EXPECT_EQ(printed(), "BYTE   u;\nWORD   v;\n") << "a member of a union has no storage class of its own";
    EXPECT_EQ(messages(), "PROG.PLM: warning: \"u\" initialization in a union ignored\n");
}

TEST_F(Declare, AssemblyPrintsWhatIsPendingButKeepsTheList) {
    declare("x", basic(type_code::byte_type), plain());
    ctx.remarks.r_keep_remark("/* end */", true);
    ctx.flush_before_assembly();
    EXPECT_EQ(printed(), "static BYTE   x;\n/* end */\n");
    EXPECT_EQ(flushed(), "static BYTE   x;\n/* end */\n\n");
}

} // namespace
} // namespace xlatr
