#include "frontend/keywords.h"

#include "frontend/tokens.h"
#include "support/strings.h"

#include <algorithm>
#include <array>

namespace xlatr {

namespace {

struct keyword_spelling {
    const char* name;
    int token;
    int value;
};

// The value of an operator keyword is its expression operator code; the
// value of a memory space is its memory-space code.
constexpr keyword_spelling keyword_table[] = {
    {"plus", tok::PLUS, 11},
    {"minus", tok::MINUS, 12},
    {"mod", tok::MOD, 15},
    {"and", tok::AND, 1},
    {"or", tok::OR, 2},
    {"xor", tok::XOR, 4},
    {"not", tok::NOT, 3},
    {"do", tok::DO, 0},
    {"end", tok::END, 0},
    {"declare", tok::DECLARE, 0},
    {"based", tok::BASED, 0},
    {"integer", tok::INTEGER, 0},
    {"real", tok::REAL, 0},
    {"pointer", tok::POINTER, 0},
    {"selector", tok::POINTER, 0},
    {"byte", tok::BYTE, 0},
    {"word", tok::WORD, 0},
    {"address", tok::WORD, 0},
    {"dword", tok::DWORD, 0},
    {"label", tok::LABEL, 0},
    {"structure", tok::STRUCTURE, 0},
    {"public", tok::PUBLIC, 0},
    {"external", tok::EXTERNAL, 0},
    {"at", tok::AT, 0},
    {"initial", tok::INITIAL, 0},
    {"interrupt", tok::INTERRUPT, 0},
    {"using", tok::USING, 0},
    {"reentrant", tok::REENTRANT, 0},
    {"procedure", tok::PROCEDURE, 0},
    {"data", tok::DATA, 0},
    {"constant", tok::CONSTANT, 0},
    {"bit", tok::BIT, 0},
    {"auxiliary", tok::MEMORY_SPACE, 1},
    {"main", tok::MEMORY_SPACE, 2},
    {"register", tok::MEMORY_SPACE, 0},
    {"idata", tok::MEMORY_SPACE, 3},
    {"literally", tok::LITERALLY, 0},
    {"goto", tok::GOTO, 0},
    {"disable", tok::DISABLE, 0},
    {"enable", tok::ENABLE, 0},
    {"causeInterrupt", tok::CAUSE_INTERRUPT, 0},
    {"halt", tok::HALT, 0},
    {"go", tok::GO, 0},
    {"to", tok::TO, 0},
    {"return", tok::RETURN, 0},
    {"call", tok::CALL, 0},
    {"by", tok::BY, 0},
    {"while", tok::WHILE, 0},
    {"case", tok::CASE, 0},
    {"else", tok::ELSE, 0},
    {"if", tok::IF, 0},
    {"then", tok::THEN, 0},
};

// Directive words are only looked up after a "$" on the same line, with the
// "$" in front. A DIR_CONTROL value is the control number, a DIR_IF value
// tells $IF from $ELSEIF, a DIR_SET value names the directive with an
// argument.
constexpr keyword_spelling directive_table[] = {
    {"$include", tok::DIR_INCLUDE, 0},
    {"$ic", tok::DIR_INCLUDE, 0},
    {"$list", tok::DIR_CONTROL, 1},
    {"$li", tok::DIR_CONTROL, 1},
    {"$nolist", tok::DIR_CONTROL, 2},
    {"$noli", tok::DIR_CONTROL, 2},
    {"$xref", tok::DIR_CONTROL, 5},
    {"$xr", tok::DIR_CONTROL, 5},
    {"$noxref", tok::DIR_CONTROL, 6},
    {"$noxr", tok::DIR_CONTROL, 6},
    {"$code", tok::DIR_CONTROL, 7},
    {"$co", tok::DIR_CONTROL, 7},
    {"$nocode", tok::DIR_CONTROL, 8},
    {"$noco", tok::DIR_CONTROL, 8},
    {"$save", tok::DIR_CONTROL, 9},
    {"$sa", tok::DIR_CONTROL, 9},
    {"$restore", tok::DIR_CONTROL, 10},
    {"$rs", tok::DIR_CONTROL, 10},
    {"$overflow", tok::DIR_CONTROL, 11},
    {"$ov", tok::DIR_CONTROL, 11},
    {"$nooverflow", tok::DIR_CONTROL, 12},
    {"$noov", tok::DIR_CONTROL, 12},
    {"$debug", tok::DIR_CONTROL, 13},
    {"$db", tok::DIR_CONTROL, 13},
    {"$nodebug", tok::DIR_CONTROL, 14},
    {"$nodb", tok::DIR_CONTROL, 14},
    {"$type", tok::DIR_CONTROL, 15},
    {"$ty", tok::DIR_CONTROL, 15},
    {"$notype", tok::DIR_CONTROL, 16},
    {"$noty", tok::DIR_CONTROL, 16},
    {"$small", tok::DIR_CONTROL, 17},
    {"$sm", tok::DIR_CONTROL, 17},
    {"$compact", tok::DIR_CONTROL, 18},
    {"$cp", tok::DIR_CONTROL, 18},
    {"$medium", tok::DIR_CONTROL, 19},
    {"$md", tok::DIR_CONTROL, 19},
    {"$large", tok::DIR_CONTROL, 20},
    {"$la", tok::DIR_CONTROL, 20},
    {"$ram", tok::DIR_CONTROL, 21},
    {"$rom", tok::DIR_CONTROL, 22},
    {"$print", tok::DIR_CONTROL, 23},
    {"$pr", tok::DIR_CONTROL, 23},
    {"$noprint", tok::DIR_CONTROL, 24},
    {"$nopr", tok::DIR_CONTROL, 24},
    {"$ixref", tok::DIR_CONTROL, 25},
    {"$noixref", tok::DIR_CONTROL, 26},
    {"$symbols", tok::DIR_CONTROL, 27},
    {"$sb", tok::DIR_CONTROL, 27},
    {"$nosymbols", tok::DIR_CONTROL, 28},
    {"$nosb", tok::DIR_CONTROL, 28},
    {"$paging", tok::DIR_CONTROL, 29},
    {"$pi", tok::DIR_CONTROL, 29},
    {"$nopaging", tok::DIR_CONTROL, 30},
    {"$nopi", tok::DIR_CONTROL, 30},
    {"$eject", tok::DIR_CONTROL, 31},
    {"$ej", tok::DIR_CONTROL, 31},
    {"$cond", tok::DIR_CONTROL, 32},
    {"$nocond", tok::DIR_CONTROL, 33},
    {"$object", tok::DIR_CONTROL, 34},
    {"$oj", tok::DIR_CONTROL, 34},
    {"$noobject", tok::DIR_CONTROL, 35},
    {"$nooj", tok::DIR_CONTROL, 35},
    {"$title", tok::DIR_CONTROL, 36},
    {"$tt", tok::DIR_CONTROL, 36},
    {"$subtitle", tok::DIR_CONTROL, 37},
    {"$st", tok::DIR_CONTROL, 37},
    {"$mode86", tok::DIR_CONTROL, 38},
    {"$mod86", tok::DIR_CONTROL, 39},
    {"$workfiles", tok::DIR_WORKFILES, 0},
    {"$if", tok::DIR_IF, 0},
    {"$elseif", tok::DIR_IF, 1},
    {"$else", tok::DIR_ELSE, 0},
    {"$endif", tok::DIR_ENDIF, 0},
    {"$set", tok::DIR_SET, 2},
    {"$reset", tok::DIR_SET, 3},
    {"$leftmargin", tok::DIR_SET, 4},
    {"$lm", tok::DIR_SET, 4},
    {"$pagelength", tok::DIR_SET, 7},
    {"$pl", tok::DIR_SET, 7},
    {"$pagewidth", tok::DIR_SET, 8},
    {"$pw", tok::DIR_SET, 8},
    {"$optimize", tok::DIR_SET, 6},
    {"$ot", tok::DIR_SET, 6},
    {"$interface", tok::DIR_SET, 5},
};

// Legal PL/M names that would clash with C keywords, type names or library
// functions in the output, or with the C main function that the module's
// own statements become.
constexpr std::array<const char*, 33> reserved_words = {
    "static",   "for",    "void",     "int",    "float",    "double", "char",    "long",   "short",
    "unsigned", "extern", "ushort",   "uchar",  "ulong",    "switch", "break",   "strlen", "printf",
    "sprintf",  "strcpy", "continue", "signed", "auto",     "const",  "default", "enum",   "register",
    "sizeof",   "struct", "typedef",  "union",  "volatile", "main",
};

} // namespace

bool Keywords::lex_init() {
    keywords_.clear();
    longest_keyword_ = 0;
    for (const keyword_spelling& entry : keyword_table)
        lex_kwd_insert(entry.name, entry.token, entry.value);
    for (const keyword_spelling& entry : directive_table)
        lex_kwd_insert(entry.name, entry.token, entry.value);
    return true;
}

void Keywords::lex_kwd_insert(std::string_view name, int token, int value) {
    keywords_.insert_or_assign(std::string(name), keyword_entry{token, value});
    longest_keyword_ = std::max(longest_keyword_, name.size());
}

bool Keywords::lex_kwd_lookup(std::string_view name, int& token, int& value) const {
    if (name.size() > longest_keyword_) return false;
    auto it = keywords_.find(name);
    if (it == keywords_.end()) return false;
    token = it->second.token;
    value = it->second.value;
    return true;
}

bool Keywords::kw_init() {
    reserved_.clear();
    longest_reserved_ = 0;
    for (const char* word : reserved_words)
        kw_insert(word);
    return true;
}

void Keywords::kw_insert(std::string_view name) {
    reserved_.emplace(name);
    longest_reserved_ = std::max(longest_reserved_, name.size());
}

void Keywords::kw_rename(std::string& name) const {
    if (name.empty() || name.size() > longest_reserved_ || !reserved_.contains(std::string_view(name)))
        return;
    capitalise_initial(name);
}

} // namespace xlatr
