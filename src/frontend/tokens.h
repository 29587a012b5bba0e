// Token codes of the token stream. A single character stands for itself (its
// character code); words and multi-character tokens are numbered from 257;
// 0 ends the input. This list is the one place the numbers are written: the
// grammar declares the same numbers with %token and checks them against it,
// for instance with
//     #define XLATR_CHECK_TOKEN(name, code) static_assert(name == code);
//     XLATR_TOKEN_CODES(XLATR_CHECK_TOKEN)
#pragma once

#define XLATR_TOKEN_CODES(X)                                                                                 \
    X(DO, 257)                                                                                               \
    X(NEWLINE, 258)                                                                                          \
    X(QUOTE, 259)                                                                                            \
    X(REMARK_START, 260)                                                                                     \
    X(REMARK_END, 261)                                                                                       \
    X(OTHER_CHAR, 262)                                                                                       \
    X(BACKSLASH, 263)                                                                                        \
    X(IDENTIFIER, 264)                                                                                       \
    X(DQ_STRING, 265)                                                                                        \
    X(STRING_TEXT, 266)                                                                                      \
    X(END, 267)                                                                                              \
    X(DECLARE, 268)                                                                                          \
    X(BASED, 269)                                                                                            \
    X(BIN_NUMBER, 270)                                                                                       \
    X(DEC_NUMBER, 271)                                                                                       \
    X(HEX_NUMBER, 272)                                                                                       \
    X(OCT_NUMBER, 273)                                                                                       \
    X(REAL_NUMBER, 274)                                                                                      \
    X(INTEGER, 275)                                                                                          \
    X(REAL, 276)                                                                                             \
    X(POINTER, 277)                                                                                          \
    X(BYTE, 279)                                                                                             \
    X(WORD, 280)                                                                                             \
    X(DWORD, 281)                                                                                            \
    X(LABEL, 282)                                                                                            \
    X(BIT, 283)                                                                                              \
    X(MEMORY_SPACE, 284)                                                                                     \
    X(STRUCTURE, 285)                                                                                        \
    X(PUBLIC, 286)                                                                                           \
    X(EXTERNAL, 287)                                                                                         \
    X(AT, 288)                                                                                               \
    X(INITIAL, 289)                                                                                          \
    X(DATA, 290)                                                                                             \
    X(CONSTANT, 291)                                                                                         \
    X(LITERALLY, 292)                                                                                        \
    X(AND, 293)                                                                                              \
    X(OR, 294)                                                                                               \
    X(NOT, 295)                                                                                              \
    X(XOR, 296)                                                                                              \
    X(LE, 297)                                                                                               \
    X(GE, 298)                                                                                               \
    X(NE, 299)                                                                                               \
    X(EQ, 300)                                                                                               \
    X(PLUS, 301)                                                                                             \
    X(MINUS, 302)                                                                                            \
    X(SLASH, 303)                                                                                            \
    X(MOD, 304)                                                                                              \
    X(ASSIGN, 305)                                                                                           \
    X(IF, 306)                                                                                               \
    X(THEN, 307)                                                                                             \
    X(ELSE, 308)                                                                                             \
    X(GOTO, 309)                                                                                             \
    X(GO, 310)                                                                                               \
    X(TO, 311)                                                                                               \
    X(RETURN, 312)                                                                                           \
    X(CALL, 313)                                                                                             \
    X(CASE, 314)                                                                                             \
    X(BY, 315)                                                                                               \
    X(WHILE, 316)                                                                                            \
    X(PROCEDURE, 317)                                                                                        \
    X(INTERRUPT, 318)                                                                                        \
    X(REENTRANT, 319)                                                                                        \
    X(DISABLE, 320)                                                                                          \
    X(ENABLE, 321)                                                                                           \
    X(CAUSE_INTERRUPT, 322)                                                                                  \
    X(HALT, 323)                                                                                             \
    X(USING, 324)                                                                                            \
    X(DIR_INCLUDE, 325)                                                                                      \
    X(DIR_CONTROL, 326)                                                                                      \
    X(DIR_IF, 327)                                                                                           \
    X(DIR_ELSE, 328)                                                                                         \
    X(DIR_ENDIF, 329)                                                                                        \
    X(DOLLAR, 330)                                                                                           \
    X(DIR_SET, 331)                                                                                          \
    X(DIR_WORKFILES, 332)                                                                                    \
    X(DIR_UNKNOWN, 333)

namespace xlatr::tok {

enum : int {
    END_OF_INPUT = 0,
#define XLATR_TOKEN_ENUMERATOR(name, code) name = code,
    XLATR_TOKEN_CODES(XLATR_TOKEN_ENUMERATOR)
#undef XLATR_TOKEN_ENUMERATOR
};

// The name of a token code for diagnostics and test output: the token's name,
// the character itself for a single-character token, or null.
constexpr const char* token_name(int code) {
    switch (code) {
    case END_OF_INPUT:
        return "END_OF_INPUT";
#define XLATR_TOKEN_NAME_CASE(name, code)                                                                    \
    case code:                                                                                               \
        return #name;
        XLATR_TOKEN_CODES(XLATR_TOKEN_NAME_CASE)
#undef XLATR_TOKEN_NAME_CASE
    case '(':
        return "(";
    case ')':
        return ")";
    case '*':
        return "*";
    case ',':
        return ",";
    case '.':
        return ".";
    case ':':
        return ":";
    case ';':
        return ";";
    case '<':
        return "<";
    case '>':
        return ">";
    case '@':
        return "@";
    default:
        return nullptr;
    }
}

constexpr bool is_number(int code) {
    return code >= BIN_NUMBER && code <= REAL_NUMBER;
}

} // namespace xlatr::tok
