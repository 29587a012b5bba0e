#include "token_stream.h"

namespace xlatr::testing {
namespace {

class ScannerTest : public TokenStream {};

TEST_F(ScannerTest, NumbersTakeTheirRadixFromTheLongestMatch) {
    EXPECT_EQ(scan("1$000 0FF$FFH 12AH FFH 19B"),
              (Tokens{"DEC_NUMBER 1000", "HEX_NUMBER 65535", "HEX_NUMBER 298", "IDENTIFIER \"ffh\"",
                      "DEC_NUMBER 19", "IDENTIFIER \"b\""}));
    EXPECT_EQ(
        scan("101B 0BH 17Q 17o 18Q 12D 12DH 1$$2 1E5H"),
        (Tokens{"BIN_NUMBER 5", "HEX_NUMBER 11", "OCT_NUMBER 15", "OCT_NUMBER 15", "DEC_NUMBER 18",
                "IDENTIFIER \"q\"", "DEC_NUMBER 12", "HEX_NUMBER 301", "DEC_NUMBER 12", "HEX_NUMBER 485"}));
}

TEST_F(ScannerTest, NumberValuesWrapAt32BitsAndKeepTheirTextAsWritten) {
    EXPECT_EQ(scan("100000000H 4294967297 0FFFFFFFFH"),
              (Tokens{"HEX_NUMBER 0", "DEC_NUMBER 1", "HEX_NUMBER 4294967295"}));
    source("0FF$FFH");
    scanner.s_next_token();
    EXPECT_EQ(scanner.token_text(), "0FF$FFH");
}

TEST_F(ScannerTest, RealNumbers) {
    EXPECT_EQ(scan("1$0.5 .5 1. 2E3 1.5E-2 1.E1"),
              (Tokens{"REAL_NUMBER 10.5", "REAL_NUMBER 0.5", "REAL_NUMBER 1", "REAL_NUMBER 2000",
                      "REAL_NUMBER 0.015", "REAL_NUMBER 10"}));
    // An exponent without digits is no exponent; a point after digits is.
    EXPECT_EQ(scan("1E+X 5.Y A.B"),
              (Tokens{"DEC_NUMBER 1", "IDENTIFIER \"e\"", "PLUS #11", "IDENTIFIER \"x\"", "REAL_NUMBER 5",
                      "IDENTIFIER \"y\"", "IDENTIFIER \"a\"", ".", "IDENTIFIER \"b\""}));
}

TEST_F(ScannerTest, NamesTakeTheirCSpellingBeforeTheKeywordLookup) {
    EXPECT_EQ(scan("Do DO do D$O CAUSE$INTERRUPT CAUSEINTERRUPT My$Var _X1"),
              (Tokens{"DO #0", "DO #0", "DO #0", "IDENTIFIER \"dO\"", "CAUSE_INTERRUPT #0",
                      "IDENTIFIER \"causeinterrupt\"", "IDENTIFIER \"myVar\"", "IDENTIFIER \"_x1\""}));
    EXPECT_EQ(scan("STATIC Static$Var CHAR PRINTF SELECTOR ADDRESS"),
              (Tokens{"IDENTIFIER \"Static\"", "IDENTIFIER \"staticVar\"", "IDENTIFIER \"Char\"",
                      "IDENTIFIER \"Printf\"", "POINTER #0", "WORD #0"}));
    EXPECT_EQ(scan("AUXILIARY MAIN REGISTER IDATA"),
              (Tokens{"MEMORY_SPACE #1", "MEMORY_SPACE #2", "MEMORY_SPACE #0", "MEMORY_SPACE #3"}));
    source("My$Var");
    scanner.s_next_token();
    EXPECT_EQ(scanner.token_text(), "My$Var");
}

TEST_F(ScannerTest, OperatorsCarryTheirOperatorCodes) {
    EXPECT_EQ(scan("<= >= <> = := < > * / , - + PLUS MINUS MOD AND OR XOR NOT ( ) ; : @ \\"),
              (Tokens{"LE #7",   "GE #8",     "NE #9", "EQ #10",    "ASSIGN #0", "< #5",     "> #6",
                      "* #13",   "SLASH #14", ", #20", "MINUS #12", "PLUS #11",  "PLUS #11", "MINUS #12",
                      "MOD #15", "AND #1",    "OR #2", "XOR #4",    "NOT #3",    "(",        ")",
                      ";",       ":",         "@",     "BACKSLASH"}));
}

TEST_F(ScannerTest, DirectiveWordsOnlyAfterADollarOnTheSameLine) {
    EXPECT_EQ(scan("$NOLIST NOCODE\nNOCODE"),
              (Tokens{"DOLLAR", "DIR_CONTROL #2", "DIR_CONTROL #8", "IDENTIFIER \"nocode\""}));
    // Words that take arguments end the directive mode; $ELSE does not.
    EXPECT_EQ(
        scan("$IF X\n$ELSEIF Y\n$ ic\n$DO\n$FOO BAR\n$ELSE ENDIF\nINCLUDE"),
        (Tokens{"DOLLAR", "DIR_IF #0", "IDENTIFIER \"x\"", "DOLLAR", "DIR_IF #1", "IDENTIFIER \"y\"",
                "DOLLAR", "DIR_INCLUDE #0", "DOLLAR", "DIR_UNKNOWN", "DOLLAR", "DIR_UNKNOWN",
                "IDENTIFIER \"bar\"", "DOLLAR", "DIR_ELSE #0", "DIR_ENDIF #0", "IDENTIFIER \"include\""}));
    EXPECT_EQ(scan("$LEFTMARGIN(4)"), (Tokens{"DOLLAR", "DIR_SET #4", "(", "DEC_NUMBER 4", ")"}));
}

TEST_F(ScannerTest, ApostropheStringsAreAssembledFromTheSourceText) {
    EXPECT_EQ(scan("'IT''S' '' 'A  b$C'"),
              (Tokens{"QUOTE", "STRING_TEXT \"IT'S\"", "QUOTE", "QUOTE", "STRING_TEXT \"\"", "QUOTE", "QUOTE",
                      "STRING_TEXT \"A  b$C\"", "QUOTE"}));
    EXPECT_EQ(scan("'A ! # B' X ! # Y"),
              (Tokens{"QUOTE", "STRING_TEXT \"A ! # B\"", "QUOTE", "IDENTIFIER \"x\"", "IDENTIFIER \"y\""}));
    source("'A\nB' X");
    EXPECT_EQ(rest_with_lines(),
              (Tokens{"QUOTE@1", "STRING_TEXT \"A\nB\"@2", "QUOTE@2", "IDENTIFIER \"x\"@2"}));
}

TEST_F(ScannerTest, ANumberOrAStructureAloneBetweenApostrophesStaysTokens) {
    EXPECT_EQ(scan("'12' '12 ' '0FFH'"),
              (Tokens{"QUOTE", "DEC_NUMBER 12", "QUOTE", "QUOTE", "STRING_TEXT \"12 \"", "QUOTE", "QUOTE",
                      "HEX_NUMBER 255", "QUOTE"}));
    EXPECT_EQ(scan("'STRUCTURE (A BYTE)' 'STRUCTURE'"),
              (Tokens{"QUOTE", "STRUCTURE #0", "(", "IDENTIFIER \"a\"", "BYTE #0", ")", "QUOTE", "QUOTE",
                      "STRING_TEXT \"STRUCTURE\"", "QUOTE"}));
}

TEST_F(ScannerTest, ForceTextAndSplitLiteralActOnTheNextStringOnly) {
    scanner.set_force_text();
    EXPECT_EQ(scan("'12' '12'"),
              (Tokens{"QUOTE", "STRING_TEXT \"12\"", "QUOTE", "QUOTE", "DEC_NUMBER 12", "QUOTE"}));
    scanner.set_split_literal();
    EXPECT_EQ(scan("'A B' 'C D'"), (Tokens{"QUOTE", "IDENTIFIER \"a\"", "IDENTIFIER \"b\"", "QUOTE", "QUOTE",
                                           "STRING_TEXT \"C D\"", "QUOTE"}));
}

TEST_F(ScannerTest, DoubleQuotesKeepTheirPlaceInsideApostropheStrings) {
    EXPECT_EQ(scan("'\"HI\"' 'SAY \"HI\" NOW'"), (Tokens{"QUOTE", "STRING_TEXT \"\"HI\"\"", "QUOTE", "QUOTE",
                                                         "STRING_TEXT \"SAY \"HI\" NOW\"", "QUOTE"}));
}

TEST_F(ScannerTest, DoubleQuotedStrings) {
    EXPECT_EQ(scan("\"A$B\" \"$AB\""), (Tokens{"DQ_STRING \"AB\"", "DQ_STRING \"$AB\""}));
    // Without a closing quote the double quote is a stray character.
    EXPECT_EQ(scan("X \"Y"), (Tokens{"IDENTIFIER \"x\"", "IDENTIFIER \"y\""}));
    source("\"A\nB\" C");
    EXPECT_EQ(rest_with_lines(), (Tokens{"DQ_STRING \"A\nB\"@2", "IDENTIFIER \"c\"@2"}));
}

TEST_F(ScannerTest, AnOverlongStringIsCutWithOneMessage) {
    source("'" + std::string(1795, 'X') + " YYYYYYYYYY Z'");
    EXPECT_EQ(scanner.s_next_token(), tok::QUOTE);
    EXPECT_EQ(scanner.s_next_token(), tok::STRING_TEXT);
    EXPECT_EQ(scanner.token().value.text, std::string(1795, 'X') + " YYYY");
    EXPECT_EQ(run.err.str(), "T.PLM: fatal! string in quatation in line 1 is too long\n");
    EXPECT_TRUE(ctx.messages.error_flag);
}

TEST_F(ScannerTest, PeekHoldsTheTokenWithItsValue) {
    source("A B");
    EXPECT_EQ(scanner.s_peek_token(), tok::IDENTIFIER);
    EXPECT_EQ(scanner.s_next_token(), tok::IDENTIFIER);
    EXPECT_EQ(scanner.token().value.text, "a");
    EXPECT_EQ(scanner.s_next_token(), tok::IDENTIFIER);
    EXPECT_EQ(scanner.token().value.text, "b");
}

TEST_F(ScannerTest, RemarksAndLineFeedsAreCountedButNotReturned) {
    source("A /* one\ntwo */ B\n*/ C\n\nD");
    EXPECT_EQ(rest_with_lines(), (Tokens{"IDENTIFIER \"a\"@1", "IDENTIFIER \"b\"@2", "IDENTIFIER \"c\"@3",
                                         "IDENTIFIER \"d\"@5"}));
    EXPECT_EQ(run.err.str(),
              "T.PLM: warning! end of remark sign is detected in line 3 ,with no preceding starting sign\n");
    EXPECT_FALSE(ctx.messages.error_flag);
    // Remark signs inside a string are characters of it, but inside the
    // text of a LITERALLY they are remark signs.
    EXPECT_EQ(scan("'A /* x */ B' '*/'"), (Tokens{"QUOTE", "STRING_TEXT \"A /* x */ B\"", "QUOTE", "QUOTE",
                                                  "STRING_TEXT \"*/\"", "QUOTE"}));
    EXPECT_EQ(scan("LITERALLY 'A /* x */ B'"),
              (Tokens{"LITERALLY #0", "QUOTE", "STRING_TEXT \"A  B\"", "QUOTE"}));
    EXPECT_EQ(run.err.str(),
              "T.PLM: warning! end of remark sign is detected in line 3 ,with no preceding starting sign\n");
}

TEST_F(ScannerTest, AnUnclosedRemarkEndsTheRun) {
    source("A /* never closed\n");
    EXPECT_EQ(scanner.s_next_token(), tok::IDENTIFIER);
    EXPECT_THROW(scanner.s_next_token(), RunStop);
    EXPECT_EQ(run.err.str(),
              "T.PLM: fatal! there is an unclosed remark upon reaching the end of input file\n");
    EXPECT_TRUE(ctx.messages.error_flag);
}

TEST_F(ScannerTest, LeftMarginSkipsTheStartOfEveryFollowingLine) {
    scanner.left_margin = 4;
    // The first line is read whole; a line shorter than the margin is empty.
    source("ABCDEFG\n1234XYZ\n\nab\nABCDEF");
    EXPECT_EQ(rest_with_lines(),
              (Tokens{"IDENTIFIER \"abcdefg\"@1", "IDENTIFIER \"xyz\"@2", "IDENTIFIER \"ef\"@5"}));
}

TEST_F(ScannerTest, LeftMarginDoesNotApplyToMacroTexts) {
    scanner.left_margin = 4;
    macro("m", "A\nBCDEFG");
    source("M\n1234N");
    EXPECT_EQ(rest_with_lines(),
              (Tokens{"IDENTIFIER \"a\"@1", "IDENTIFIER \"bcdefg\"@1", "IDENTIFIER \"n\"@2"}));
}

} // namespace
} // namespace xlatr::testing
