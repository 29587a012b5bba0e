#include "translate/blocks.h"

#include <gtest/gtest.h>

namespace xlatr {
namespace {

TEST(Blocks, EmptyStackCountsAsAllSimpleDoAndRefusesAPop) {
    Blocks blocks;
    EXPECT_TRUE(blocks.b_all_simple_do());
    EXPECT_FALSE(blocks.b_top_is_module());
    EXPECT_FALSE(blocks.b_in_procedure());
    EXPECT_FALSE(blocks.b_top_kind().has_value());
    EXPECT_FALSE(blocks.b_pop_block());
}

TEST(Blocks, ModuleBlockIsTheOnlySimpleDo) {
    Blocks blocks;
    blocks.b_push_block(BlockKind::simple_do);
    EXPECT_TRUE(blocks.b_top_is_module());
    blocks.b_push_block(BlockKind::simple_do);
    EXPECT_FALSE(blocks.b_top_is_module());
    EXPECT_TRUE(blocks.b_all_simple_do());
    blocks.b_push_block(BlockKind::do_while);
    EXPECT_FALSE(blocks.b_all_simple_do());
    EXPECT_TRUE(blocks.b_pop_block());
    EXPECT_TRUE(blocks.b_pop_block());
    EXPECT_TRUE(blocks.b_top_is_module());
}

TEST(Blocks, ProcedureAnywhereBelowCountsAndCaseOnlyOnTop) {
    Blocks blocks;
    blocks.b_push_block(BlockKind::simple_do);
    blocks.b_push_block(BlockKind::reentrant_procedure);
    blocks.b_push_block(BlockKind::do_case);
    EXPECT_TRUE(blocks.b_in_procedure());
    EXPECT_TRUE(blocks.b_top_is_case());
    blocks.b_push_block(BlockKind::simple_do);
    EXPECT_FALSE(blocks.b_top_is_case());
    EXPECT_TRUE(blocks.b_in_procedure());
    blocks.b_pop_block();
    blocks.b_pop_block();
    blocks.b_pop_block();
    EXPECT_FALSE(blocks.b_in_procedure());
    blocks.b_push_block(BlockKind::procedure);
    EXPECT_TRUE(blocks.b_in_procedure());
}

} // namespace
} // namespace xlatr
