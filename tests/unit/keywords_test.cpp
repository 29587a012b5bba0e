#include "frontend/keywords.h"
#include "frontend/tokens.h"
#include "support/strings.h"

#include <gtest/gtest.h>

namespace xlatr {
namespace {

TEST(NameHash, WeighsTheFirstSixCharactersByPowersOfThree) {
    EXPECT_EQ(c_hash("a", 31), 97 * 3 % 31);
    EXPECT_EQ(c_hash("ab", 31), 26);     // 97*3 + 98*9 = 1173
    EXPECT_EQ(c_hash("abcdef", 31), 22); // 110847
    EXPECT_EQ(c_hash("abcdefXYZ", 31), 22);
    EXPECT_EQ(c_hash("", 31), 0);
}

TEST(NameHash, ACharacterOutsideDotToZAmongTheSixGoesToTheLastBucket) {
    EXPECT_EQ(c_hash("$include", 301), 300);
    EXPECT_EQ(c_hash("ab cd", 31), 30);
    EXPECT_EQ(c_hash("abcde{", 31), 30);
    EXPECT_EQ(c_hash("abcdef$", 31), 22);
}

class KeywordTables : public ::testing::Test {
  protected:
    KeywordTables() {
        keywords.lex_init();
        keywords.kw_init();
    }
    // "TOKEN value", or "-" for a spelling that is no keyword.
    std::string lookup(std::string_view name) const {
        int token = 0, value = 0;
        if (!keywords.lex_kwd_lookup(name, token, value)) return "-";
        return std::string(tok::token_name(token)) + " " + std::to_string(value);
    }
    std::string renamed(std::string name) const {
        keywords.kw_rename(name);
        return name;
    }
    Keywords keywords;
};

TEST_F(KeywordTables, KeywordsWithTheirTokensAndValues) {
    EXPECT_EQ(lookup("selector"), "POINTER 0");
    EXPECT_EQ(lookup("address"), "WORD 0");
    EXPECT_EQ(lookup("causeInterrupt"), "CAUSE_INTERRUPT 0");
    EXPECT_EQ(lookup("causeinterrupt"), "-");
    EXPECT_EQ(lookup("mod"), "MOD 15");
    EXPECT_EQ(lookup("xor"), "XOR 4");
    EXPECT_EQ(lookup("idata"), "MEMORY_SPACE 3");
    EXPECT_EQ(lookup("DO"), "-");
    EXPECT_EQ(lookup("include"), "-");
}

TEST_F(KeywordTables, DirectiveWordsCarryTheDollar) {
    EXPECT_EQ(lookup("$ic"), "DIR_INCLUDE 0");
    EXPECT_EQ(lookup("$elseif"), "DIR_IF 1");
    EXPECT_EQ(lookup("$lm"), "DIR_SET 4");
    EXPECT_EQ(lookup("$interface"), "DIR_SET 5");
    EXPECT_EQ(lookup("$rs"), "DIR_CONTROL 10");
    EXPECT_EQ(lookup("$mod86"), "DIR_CONTROL 39");
    EXPECT_EQ(lookup("$workfiles"), "DIR_WORKFILES 0");
    EXPECT_EQ(lookup("$do"), "-");
}

TEST_F(KeywordTables, ALaterSpellingReplacesAnEarlierOne) {
    keywords.lex_kwd_insert("do", tok::END, 7);
    EXPECT_EQ(lookup("do"), "END 7");
    keywords.lex_init();
    EXPECT_EQ(lookup("do"), "DO 0");
}

TEST_F(KeywordTables, ReservedWordsGetACapitalInitial) {
    EXPECT_EQ(renamed("static"), "Static");
    EXPECT_EQ(renamed("signed"), "Signed");
    EXPECT_EQ(renamed("strcpy"), "Strcpy");
    EXPECT_EQ(renamed("staticVar"), "staticVar");
    EXPECT_EQ(renamed("Static"), "Static");
    EXPECT_EQ(renamed("main"), "Main") << "a procedure MAIN must not become the C main function";
    EXPECT_EQ(renamed("typedef"), "Typedef");
    EXPECT_EQ(renamed("mainly"), "mainly");
}

} // namespace
} // namespace xlatr
