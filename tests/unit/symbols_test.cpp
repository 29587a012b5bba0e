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
    void install(const std::string& name, int flag) {
        auto entry = variable(name, flag);
        ASSERT_NE(tables().h_insert(entry), nullptr) << name;
    }
};

TEST(SymbolBuckets, NamesSharingABucketAreToldApartByTheWholeName) {
    // a..f weigh 97*3 + 98*9 + 99*27 + 100*81 + 101*243 + 102*729 = 110847,
    // 22 modulo 31; only six characters count, and one outside '.'..'z'
    // among them sends the name to the last bucket.
    EXPECT_EQ(c_hash("abcdef$", 31), 22);
    EXPECT_EQ(c_hash("abcdefzzz", 31), 22);
    EXPECT_EQ(c_hash("abcde$", 31), 30);
    EXPECT_EQ(c_hash("a b", 31), 30);

    SymbolRun run;
    run.tables().h_push_declare_block();
    run.install("counter1", 1);
    run.install("counter2", 2);
    run.install("x$a", 3);
    run.install("y b", 4);
    EXPECT_EQ(run.tables().h_lookup("counter1")->flag, 1);
    EXPECT_EQ(run.tables().h_lookup("counter2")->flag, 2);
    EXPECT_EQ(run.tables().h_lookup("x$a")->flag, 3);
    EXPECT_EQ(run.tables().h_lookup("y b")->flag, 4);
    EXPECT_EQ(run.tables().h_lookup("counter"), nullptr);
}

TEST(SymbolInsertion, ADuplicateInOneBlockIsRefusedAndTheFirstEntryStays) {
    SymbolRun run;
    run.tables().h_push_declare_block();
    // One bucket, so that duplicates are met in the first slot and in the
    // overflow chain.
    for (const char* name : {"values1", "values2", "values3"})
        run.install(name, 1);
    for (const char* name : {"values1", "values2", "values3"}) {
        auto again = variable(name, 2);
        EXPECT_EQ(run.tables().h_insert(again), nullptr) << name;
        EXPECT_NE(again, nullptr) << "a refused entry stays with the caller";
        EXPECT_EQ(run.tables().h_lookup(name)->flag, 1) << name;
    }
    EXPECT_EQ(run.err.str(), "") << "duplicates are reported by the callers";
}

TEST(SymbolScopes, AnInnerDeclarationHidesTheOuterOneUntilItsBlockIsFreed) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    tables.h_push_declare_block();
    run.install("x", 1);
    run.install("y", 3);
    tables.h_push_declare_block();
    run.install("x", 2);
    EXPECT_EQ(tables.h_lookup("x")->flag, 2);
    EXPECT_EQ(tables.h_lookup("y")->flag, 3);
    EXPECT_EQ(tables.h_lookup_global("x")->flag, 1);
    EXPECT_TRUE(tables.h_free_declare_block());
    EXPECT_EQ(tables.h_lookup("x")->flag, 1);
}

TEST(SymbolScopes, FreeAndAllocOnAnEmptyStackReturnFalse) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    EXPECT_FALSE(tables.h_free_declare_block());
    EXPECT_FALSE(tables.h_alloc_declare_block());
    EXPECT_TRUE(tables.h_push_declare_block());
    EXPECT_TRUE(tables.h_alloc_declare_block());
    EXPECT_TRUE(tables.h_free_declare_block());
    EXPECT_FALSE(tables.h_free_declare_block());
    EXPECT_EQ(run.err.str(), "");
}

TEST(SymbolScopes, GlobalLookupAndInsertionUseTheOutermostBlockOnly) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    for (int i = 0; i < 3; ++i)
        tables.h_push_declare_block();
    run.install("local", 0);
    auto label = variable("done");
    ASSERT_NE(tables.h_insert_global(label), nullptr);
    EXPECT_EQ(tables.h_lookup_global("local"), nullptr);
    tables.h_free_declare_block();
    tables.h_free_declare_block();
    EXPECT_NE(tables.h_lookup("done"), nullptr) << "the label outlives the inner blocks";
    EXPECT_EQ(tables.h_lookup("local"), nullptr);
    EXPECT_FALSE(run.ctx.messages.error_flag);
}

TEST(SymbolScopes, FreeingABlockReportsEntriesOfUnknownUsageOnTheStandardOutput) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    tables.h_push_declare_block();
    run.install("known", 0);
    auto unknown = variable("unknown");
    unknown->usage = usage::none;
    tables.h_insert(unknown);
    tables.h_insert_macro("m", "1");
    EXPECT_TRUE(tables.h_free_declare_block());
    EXPECT_EQ(run.out.str(), "usage = 0\n");
}

TEST(SymbolSpellings, TheExactSpellingWinsAndOtherSpellingsFindTheOneFoldableEntry) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    tables.h_push_declare_block();
    auto directive = variable("flaG1", 1);
    directive->usage = usage::directive_switch;
    ASSERT_NE(tables.h_insert(directive), nullptr);
    run.install("FLAG1", 2);
    auto again = variable("Flag1", 3);
    EXPECT_EQ(tables.h_insert(again), nullptr) << "a second spelling of a program name";
    EXPECT_EQ(tables.h_lookup("flaG1")->flag, 1);
    EXPECT_EQ(tables.h_lookup("FLAG1")->flag, 2);
    EXPECT_EQ(tables.h_lookup("flag1")->flag, 2);
    tables.exact_names = true;
    EXPECT_EQ(tables.h_lookup("flag1"), nullptr);
    tables.exact_names = false;
    tables.h_lookup("FLAG1")->exact_spelling = true;
    EXPECT_EQ(tables.h_lookup("flag1"), nullptr) << "a C name matches its own spelling only";
}

TEST(SymbolScopes, ThousandsOfNamesInOneBlockAreAllFoundUnderEverySpelling) {
    SymbolRun run;
    run.tables().h_push_declare_block();
    for (int i = 0; i < 5000; ++i)
        run.install("name" + std::to_string(i), i);
    for (int i = 0; i < 5000; ++i) {
        std::string upper = "NAME";
        upper += std::to_string(i);
        ASSERT_NE(run.tables().h_lookup(upper), nullptr) << upper;
        EXPECT_EQ(run.tables().h_lookup(upper)->flag, i);
    }
    EXPECT_EQ(run.tables().h_lookup("name5000"), nullptr);
}

TEST(SymbolScopes, EntriesOfUnknownUsageAreReportedInTheOrderOfTheirChains) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    tables.h_push_declare_block();
    // c_hash puts "a" (97*3 = 291) in chain 12 and "b" (294) in chain 15;
    // "values1" to "values3" share chain 13, led by the first installed and
    // followed by the others from newest to oldest.
    for (const char* name : {"values1", "b", "values2", "a", "values3"}) {
        auto entry = variable(name, 0);
        entry->usage = usage::none;
        tables.h_insert(entry);
    }
    tables.h_lookup("values1")->usage = static_cast<usage>(21);
    tables.h_lookup("values2")->usage = static_cast<usage>(22);
    tables.h_lookup("values3")->usage = static_cast<usage>(23);
    tables.h_lookup("a")->usage = static_cast<usage>(30);
    tables.h_lookup("b")->usage = static_cast<usage>(31);
    ASSERT_EQ(c_hash("values", 31), 13);
    EXPECT_TRUE(tables.h_free_declare_block());
    EXPECT_EQ(run.out.str(), "usage = 30\nusage = 21\nusage = 23\nusage = 22\nusage = 31\n");
}

TEST(SymbolFailures, NoBlockMeansMessageSixOnInsertAndSevenOnGlobalLookup) {
    SymbolRun run;
    SymbolTables& tables = run.tables();
    auto entry = variable("x");
    EXPECT_EQ(tables.h_insert(entry), nullptr);
    EXPECT_EQ(tables.h_insert_global(entry), nullptr);
    EXPECT_EQ(tables.h_lookup("x"), nullptr);
    EXPECT_EQ(tables.h_lookup_global("x"), nullptr);
    EXPECT_FALSE(tables.h_insert_macro("size", "10")) << "no duplicate, so no macro message";
    const std::string six = "PROG.PLM: fatal! insertion to hash failed in line 12\n";
    EXPECT_EQ(run.err.str(), six + six + "PROG.PLM: fatal! retrieval from hash failed in line 12\n" + six);
    EXPECT_TRUE(run.ctx.messages.error_flag);
}

TEST(SymbolEntries, AConstantKeepsItsNameInCapitals) {
    SymbolRun run;
    run.tables().h_push_declare_block();
    sym_entry* constant = run.tables().h_insert_const("maxSize");
    ASSERT_NE(constant, nullptr);
    EXPECT_EQ(constant->type_code, type_code::constant_type);
    EXPECT_EQ(constant->usage, usage::constant);
    EXPECT_EQ(constant->access_path, "MAXSIZE");
    EXPECT_EQ(run.tables().h_insert_const("maxSize"), nullptr);
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
    sym_entry* macro = tables.h_lookup("size");
    EXPECT_EQ(macro->text, "10");
    EXPECT_EQ(macro->type_code, type_code::literal_type);
    EXPECT_EQ(macro->usage, usage::literal);

    tables.h_push_declare_block();
    EXPECT_TRUE(tables.h_insert_macro("size", "30")) << "an outer name is no duplicate";
    EXPECT_EQ(tables.h_lookup("size")->text, "30");
}

} // namespace
} // namespace xlatr
