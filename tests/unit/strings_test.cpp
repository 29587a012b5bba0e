#include "support/strings.h"

#include <gtest/gtest.h>

namespace xlatr {
namespace {

TEST(CSpelling, DollarCapitalisesTheNextLetterAndOtherCapitalsGoSmall) {
    EXPECT_EQ(c_strmove1("MY$VAR"), "myVar");
    EXPECT_EQ(c_strmove1("my$var"), "myVar");
    EXPECT_EQ(c_strmove1("MYVAR"), "myvar");
    EXPECT_EQ(c_strmove1("A$$B"), "aB");
    EXPECT_EQ(c_strmove1("X$1"), "x1");
    EXPECT_EQ(c_strmove1("ABC$DEF"), "abcDef");
    EXPECT_EQ(c_strmove1("CAUSE$INTERRUPT"), "causeInterrupt");
    EXPECT_EQ(c_strmove1("$X"), "$x");
    EXPECT_EQ(c_strmove1("A_B$_C"), "a_b_c");
    EXPECT_EQ(c_strmove1(""), "");
}

TEST(CSpelling, MoveDropsDollarsAfterTheFirstAndCapitalUppercases) {
    EXPECT_EQ(c_strmove("$ABC"), "$ABC");
    EXPECT_EQ(c_strmove("A$B$C"), "ABC");
    EXPECT_EQ(c_str_capital("my$name"), "MYNAME");
    EXPECT_EQ(c_str_capital("$a$b"), "$AB");
}

TEST(NumberText, UnderscoreStandsForEachWhole32000AboveIt) {
    EXPECT_EQ(num_text(0), "0");
    EXPECT_EQ(num_text(32000), "32000");
    EXPECT_EQ(num_text(32001), "_1");
    EXPECT_EQ(num_text(64000), "__0");
    EXPECT_EQ(num_text(64001), "__1");
    EXPECT_EQ(str_num_cat("temp", 7, ".t"), "temp7.t");
    EXPECT_EQ(str_num_cat("St", 32005), "St_5");
}

TEST(NumberValue, SkipsSeparatorsHonoursSignAndWraps) {
    EXPECT_EQ(str_to_num("1$000", 10, 5), 1000);
    EXPECT_EQ(str_to_num("0FF", 16, 3), 255);
    EXPECT_EQ(str_to_num("0FFH", 16, 3), 255);
    EXPECT_EQ(str_to_num("-12", 10, 3), -12);
    EXPECT_EQ(str_to_num("1010", 2, 4), 10);
    EXPECT_EQ(str_to_num("777", 8, 3), 511);
    EXPECT_EQ(str_to_num("0FFFFFFFFF", 16, 10), -1);
    EXPECT_EQ(str_to_num("4294967296", 10, 10), 0);
    // A digit beyond the base is taken all the same.
    EXPECT_EQ(str_to_num("19", 8, 2), 17);
}

TEST(BoundedAppend, RefusesWhatWouldReachTheCapacity) {
    std::string buffer(249, 'x');
    EXPECT_FALSE(str_n_cat(buffer, 250, "y"));
    EXPECT_EQ(buffer.size(), 249u);
    buffer.resize(248);
    EXPECT_TRUE(str_n_cat(buffer, 250, "y"));
    EXPECT_EQ(buffer.size(), 249u);

    std::string over = "abc";
    EXPECT_TRUE(str_n_cat_over(over, 10, "XYZ"));
    EXPECT_EQ(over, "abXYZ");
    std::string full(9, 'a');
    EXPECT_FALSE(str_n_cat_over(full, 10, "bc"));
    EXPECT_EQ(full, std::string(9, 'a'));
    EXPECT_TRUE(str_n_cat_over(full, 10, "b"));
    EXPECT_EQ(full, std::string(8, 'a') + "b");
}

} // namespace
} // namespace xlatr
