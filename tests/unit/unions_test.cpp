// Overlays declared the way the grammar declares them, at module level of
// PROG.PLM, line 4: the offset arithmetic and its fillers, and the cases of
// union naming and remarks that the golden cases leave open.
#include "declarations/emission.h"
#include "declarations/records.h"
#include "declarations/symbols.h"
#include "declarations/unions.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace xlatr {
namespace {

class Overlay : public ::testing::Test {
  protected:
    void SetUp() override {
        ctx.includes.i_push_text("PROG.PLM", "", false);
        ctx.s_set_line(4);
        ASSERT_TRUE(ctx.symbols.h_push_declare_block());
        ASSERT_TRUE(ctx.output.o_push_file("tmp_main.t", true, false, Storage::memory));
    }

    std::string flushed() {
        EXPECT_TRUE(d_flush_declarations(ctx));
        const std::string* text = ctx.files.temps.find("tmp_main.t");
        return text ? *text : std::string();
    }

    exp_list number(unsigned value, int kind = val_decimal) { return e_get_word_const(ctx, kind, value); }
    static exp_list location(const std::string& name, exp_list subscript = {}) {
        exp_list at = e_get_id(name, std::move(subscript));
        at.front().loc_flag = 1;
        return at;
    }
    void declare(const std::string& name, type_code code, exp_list at = {},
                 std::optional<array_spec> dim = std::nullopt, int scope = attr_local) {
        d_single_declare_elem(ctx, d_var_nam_specifier(name, ""), std::move(dim), d_basic_type(code),
                              d_var_attr(ctx, scope, std::move(at), std::nullopt, space_none));
    }

    testing::TestRun run;
    Context& ctx = run.ctx;
};

TEST_F(Overlay, AStructureElementCountsItsNamesTimesTheirDimension) {
    // x (2) STRUCTURE ((a, b) (4) BYTE, c WORD); y BYTE AT (.x(1))
    struct_spec_list members =
        d_struct_member_elem(ctx, {}, {"a", "b"}, d_array_spec(number(4)), type_code::byte_type);
    members = d_struct_member_elem(ctx, std::move(members), {"c"}, d_array_spec({}), type_code::word_type);
    d_single_declare_elem(ctx, d_var_nam_specifier("x", ""), d_array_spec(number(2)),
                          d_struct_type(ctx, std::move(members)),
                          d_var_attr(ctx, attr_local, {}, std::nullopt, space_none));
    declare("y", type_code::byte_type, location("x", number(1)));
    const std::string text = flushed();
    EXPECT_NE(text.find("   struct {\n"
                        "      BYTE \tOffset1[((2) * (4))];\n"
                        "      WORD \tOffset2;\n"
                        "      BYTE   y;\n"
                        "   } St1;\n"),
              std::string::npos)
        << text;
}

TEST_F(Overlay, ASumInsideASubscriptStaysInOneFiller) {
    declare("buf", type_code::byte_type, {}, d_array_spec(number(10)));
    declare("w", type_code::word_type, location("buf", e_binary_exp(number(2), op_plus, number(1))));
    EXPECT_EQ(ctx.symbols.h_lookup("w")->access_path, "Un1.St1.w");
    EXPECT_EQ(flushed(), "\nstatic union {\n"
                         "   BYTE   buf[10];\n"
                         "\n   struct {\n"
                         "      BYTE \tOffset1[(2 + 1)];\n"
                         "      WORD   w;\n"
                         "   } St1;\n"
                         "} Un1;\n\n");
}

TEST_F(Overlay, ElementZeroInParenthesesOrInHexAddsNoFiller) {
    declare("buf", type_code::byte_type, {}, d_array_spec(number(4)));
    declare("l", type_code::byte_type, location("buf", e_paren_exp(op_open, number(0), op_close)));
    declare("z", type_code::byte_type, location("buf", number(0, val_hex)));
    EXPECT_EQ(ctx.symbols.h_lookup("l")->access_path, "Un1.l");
    EXPECT_EQ(flushed(), "\nstatic union {\n   BYTE   buf[4];\n   BYTE   l;\n   BYTE   z;\n} Un1;\n\n");
}

TEST_F(Overlay, OffsetCopiesDropSubscriptsAndRefuseCharacters) {
    exp_list subscripted = e_get_id("i", number(1));
    exp_list copy = dd_copy_un_offset(ctx, subscripted);
    ASSERT_EQ(copy.size(), 1u);
    EXPECT_TRUE(copy.front().args.empty());

    value_node character;
    character.kind = val_character;
    character.number = 'a';
    EXPECT_TRUE(dd_copy_un_offset(ctx, e_add_exp(number(1), e_create_const(character))).empty());
    EXPECT_EQ(run.err.str(), "PROG.PLM: warning! \"AT\" expression cannot be translated in line 4\n"
                             "PROG.PLM: warning! \"AT\" expression cannot be translated in line 4\n");
}

// A procedure may use the union's members before the union prints, so the
// PUBLIC name holds from the declaration that forms the union on.
TEST_F(Overlay, APublicTargetNamesItsUnionAsSoonAsItIsFormed) {
    declare("x", type_code::word_type, {}, std::nullopt, attr_public);
    declare("y", type_code::byte_type, location("x"));
    EXPECT_EQ(ctx.symbols.h_lookup("x")->access_path, "Un_x.x");
    EXPECT_EQ(ctx.symbols.h_lookup("y")->access_path, "Un_x.y");
    EXPECT_EQ(flushed(), "\nunion {\n   WORD   x;\n   BYTE   y;\n} Un_x;\n\n");
}

TEST_F(Overlay, ATargetRemarkWithNoLaterDeclarationStaysWithTheTarget) {
    ctx.remarks.r_keep_remark("/* t */", true);
    declare("x", type_code::byte_type);
    declare("y", type_code::byte_type, location("x"));
    EXPECT_EQ(flushed(), "\nstatic union {\n   /* t */\n   BYTE   x;\n   BYTE   y;\n} Un1;\n\n");
}

} // namespace
} // namespace xlatr
