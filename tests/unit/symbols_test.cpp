#include "declarations/symbols.h"

#include "support/strings.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace xlatr {
namespace {

using testing::TestRun;

std::unique_ptr<sym_entry> variable(const std::string& name, int flag = 0) {
    auto entry = std::make_unique<sym_entry>();
    entry->name = name;
    entry->type_code = type_code::byte_type;
    entry->usage = usage::scalar;
    entry->flag = flag;
    return entry;
}

// A run reading PROG.PLM at line 12, so that messages carry a file and line.
struct SymbolRun : TestRun {
    SymbolRun() {
        ctx.includes.i_push_text("PROG.PLM", "", false);
        ctx.s_set_line(12);
    }
    SymbolTables& tables() { return ctx.symbols; }
};

TEST(SymbolBuckets, NamesAgreeingInTheirFirstSixCharactersAreToldApart) {
    SymbolRun run;
    ASSERT_TRUE(run.tables().h_push_declare_block());
    ASSERT_EQ(c_hash("counter1", 31), c_hash("counter2", 31));
    auto first = variable("counter1", 1);
    auto second = variable("counter2", 2);
    ASSERT_NE(run.tables().h_insert(first), nullptr);
    ASSERT_NE(run.tables().h_insert(second), nullptr);
    EXPECT_EQ(run.tables().h_lookup("counter1")->flag, 1);
    EXPECT_EQ(run.tables().h_lookup("counter2")->flag, 2);
    EXPECT_EQ(run.tables().h_lookup("counte"), nullptr);
    EXPECT_EQ(run.tables().h_lookup("counter"), nullptr);
}

TEST(SymbolBuckets, CharactersOutsideDotToZInTheFirstSixGoToTheLastBucket) {
    // Worked out by hand: a..f weigh 97*3 + 98*9 + 99*27 + 100*81 + 101*243 +
    // 102*729 = 110847, which is 22 modulo 31; the seventh character is ignored.
    EXPECT_EQ(c_hash("abcdef$", 31), 22);
    EXPECT_EQ(c_hash("abcdefzzz", 31), 22);
    EXPECT_EQ(c_hash("abcde$", 31), 30);
    EXPECT_EQ(c_hash("a b", 31), 30);
    EXPECT_EQ(c_hash("{x", 31), 30);

    SymbolRun run;
    run.tables().h_push_declare_block();
    auto a = variable("x$a", 1);
    auto b = variable("y b", 2);
    ASSERT_NE(run.tables().h_insert(a), nullptr);
    ASSERT_NE(run.tables().h_insert(b), nullptr);
    EXPECT_EQ(run.tables().h_lookup("x$a")->flag, 1);
    EXPECT_EQ(run.tables().h_lookup("y b")->flag, 2);
}

TEST(SymbolInsertion, ADuplicateInOneBlockIsRefusedAndTheFirstEntryStays) {
    SymbolRun run;
    run.tables().h_push_declare_block();
    // Three names of one bucket, so that the duplicate is met in the overflow
    // chain as well as in the first slot.
    for (const char* name : {"values1", "values2", "values3"}) {
        auto entry = variable(name, 1);
        ASSERT_NE(run.tables().h_insert(entry), nullptr);
    }
    for (const char* name : {"values1", "values2", "values3"}) {
        auto again = variable(name, 2);
        EXPECT_EQ(run.tables().h_insert(again), nullptr) << name;
        ASSERT_NE(again, nullptr) << "a refused entry stays with the caller";
        EXPECT_EQ(run.tables().h_lookup(name)->flag, 1) << name;
    }
    EXPECT_FALSE(run.ctx.messages.error_flag);
    EXPECT_EQ(run.err.str(), "");
}

TEST(SymbolInsertion, TheStoredEntryIsTheOneHandedIn) {
    SymbolRun run;
    run.tables().h_push_declare_block();
    auto entry = variable("x");
    sym_entry* handed = entry.get();
    EXPECT_EQ(run.tables().h_insert(entry), handed);
    EXPECT_EQ(entry, nullptr);
    EXPECT_EQ(run.tables().h_lookup("x"), handed);
}

TEST(SymbolScopes, AnInnerDeclarationHidesTheOuterOneUntilItsBlockIsFreed) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    tables.h_push_declare_block();
    auto outer = variable("x", 1);
    auto other = variable("y", 3);
    tables.h_insert(outer);
    tables.h_insert(other);
    tables.h_push_declare_block();
    auto inner = variable("x", 2);
    ASSERT_NE(tables.h_insert(inner), nullptr) << "the same name is allowed in another block";
    EXPECT_EQ(tables.h_lookup("x")->flag, 2);
    EXPECT_EQ(tables.h_lookup("y")->flag, 3) << "names of outer blocks stay visible";
    EXPECT_EQ(tables.h_lookup_global("x")->flag, 1);
    EXPECT_TRUE(tables.h_free_declare_block());
    EXPECT_EQ(tables.h_lookup("x")->flag, 1);
    EXPECT_EQ(tables.depth(), 1u);
}

TEST(SymbolScopes, FreeAndAllocOnAnEmptyStackReturnFalseAndChangeNothing) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    EXPECT_FALSE(tables.h_free_declare_block());
    EXPECT_FALSE(tables.h_alloc_declare_block());
    EXPECT_TRUE(tables.h_push_declare_block());
    EXPECT_TRUE(tables.h_alloc_declare_block()) << "a block that has its table";
    EXPECT_TRUE(tables.h_free_declare_block());
    EXPECT_FALSE(tables.h_free_declare_block());
    EXPECT_TRUE(tables.empty());
    EXPECT_EQ(run.err.str(), "");
}

TEST(SymbolScopes, GlobalLookupAndInsertionUseTheOutermostBlockOnly) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    tables.h_push_declare_block();
    tables.h_push_declare_block();
    tables.h_push_declare_block();
    auto local = variable("local");
    tables.h_insert(local);
    auto label = variable("done");
    ASSERT_NE(tables.h_insert_global(label), nullptr);

    EXPECT_EQ(tables.h_lookup_global("local"), nullptr);
    EXPECT_NE(tables.h_lookup("local"), nullptr);
    tables.h_free_declare_block();
    tables.h_free_declare_block();
    EXPECT_NE(tables.h_lookup("done"), nullptr) << "the label outlives the inner blocks";
    EXPECT_EQ(tables.h_lookup("local"), nullptr);
    EXPECT_EQ(run.err.str(), "");
    EXPECT_FALSE(run.ctx.messages.error_flag);
}

TEST(SymbolScopes, FreeingABlockReportsEntriesOfUnknownUsageOnTheStandardOutput) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    tables.h_push_declare_block();
    tables.h_push_declare_block();
    auto known = variable("known");
    auto unknown = variable("unknown");
    unknown->usage = usage::none;
    tables.h_insert(known);
    tables.h_insert(unknown);
    tables.h_insert_macro("m", "1");
    EXPECT_TRUE(tables.h_free_declare_block());
    EXPECT_EQ(run.out.str(), "usage = 0\n");
    EXPECT_EQ(run.err.str(), "");
}

TEST(SymbolFailures, NoBlockMeansMessageSixOnInsertAndSevenOnGlobalLookup) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    auto entry = variable("x");
    EXPECT_EQ(tables.h_insert(entry), nullptr);
    EXPECT_NE(entry, nullptr);
    EXPECT_EQ(tables.h_insert_global(entry), nullptr);
    EXPECT_EQ(tables.h_lookup("x"), nullptr);
    EXPECT_EQ(tables.h_lookup_global("x"), nullptr);
    EXPECT_EQ(run.err.str(), "PROG.PLM: fatal! insertion to hash failed in line 12\n"
                             "PROG.PLM: fatal! insertion to hash failed in line 12\n"
                             "PROG.PLM: fatal! retrieval from hash failed in line 12\n");
    EXPECT_TRUE(run.ctx.messages.error_flag);
}

TEST(SymbolEntries, LiteralAndConstantEntriesCarryTheirCodesAndTexts) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    tables.h_push_declare_block();
    sym_entry* literal = tables.h_insert_literal("forever", "WHILE 1");
    ASSERT_NE(literal, nullptr);
    EXPECT_EQ(literal->type_code, type_code::literal_type);
    EXPECT_EQ(literal->usage, usage::literal);
    EXPECT_EQ(literal->text, "WHILE 1");

    sym_entry* constant = tables.h_insert_const("maxSize");
    ASSERT_NE(constant, nullptr);
    EXPECT_EQ(constant->type_code, type_code::constant_type);
    EXPECT_EQ(constant->usage, usage::constant);
    EXPECT_EQ(constant->access_path, "MAXSIZE");
    EXPECT_EQ(constant->text, "");

    EXPECT_EQ(tables.h_insert_const("maxSize"), nullptr);
    EXPECT_EQ(tables.h_insert_literal("forever", "other"), nullptr);
    EXPECT_EQ(tables.h_lookup("forever")->text, "WHILE 1");
    EXPECT_EQ(run.err.str(), "") << "duplicates are reported by the callers";
}

TEST(SymbolEntries, AMacroDefinedTwiceInOneBlockIsFatalAndKeepsItsFirstText) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    tables.h_push_declare_block();
    EXPECT_TRUE(tables.h_insert_macro("size", "10"));
    EXPECT_FALSE(run.ctx.messages.error_flag);
    EXPECT_FALSE(tables.h_insert_macro("size", "20"));
    EXPECT_EQ(run.err.str(), "PROG.PLM: fatal! - macro \"size\" is multiply defined - line 12\n");
    EXPECT_TRUE(run.ctx.messages.error_flag);
    EXPECT_EQ(tables.h_lookup("size")->text, "10");
}

TEST(SymbolEntries, AMacroHiddenInAnInnerBlockIsNoDuplicate) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    tables.h_push_declare_block();
    tables.h_insert_macro("size", "10");
    tables.h_push_declare_block();
    EXPECT_TRUE(tables.h_insert_macro("size", "20"));
    EXPECT_EQ(tables.h_lookup("size")->text, "20");
    EXPECT_EQ(run.err.str(), "");
}

TEST(SymbolEntries, AMacroWithoutABlockReportsTheFailedInsertionOnly) {
    SymbolRun run;
    EXPECT_FALSE(run.ctx.symbols.h_insert_macro("size", "10"));
    EXPECT_EQ(run.err.str(), "PROG.PLM: fatal! insertion to hash failed in line 12\n");
}

} // namespace
} // namespace xlatr
