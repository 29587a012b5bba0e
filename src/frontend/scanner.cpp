#include "frontend/scanner.h"

#include "driver/context.h"
#include "frontend/first_pass.h"
#include "frontend/tokens.h"
#include "support/strings.h"

#include <cctype>
#include <cstdlib>
#include <utility>

namespace xlatr {

namespace {

constexpr int end_of_text = -1;

bool is_digit(int c) {
    return c >= '0' && c <= '9';
}
bool is_letter(int c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool is_hex_letter(int c) {
    return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool is_identifier_char(int c) {
    return is_letter(c) || is_digit(c) || c == '_' || c == '$';
}
bool is_one_of(int c, std::string_view set) {
    return c > 0 && set.find(static_cast<char>(c)) != set.npos;
}

bool is_binary_digit(int c) {
    return c == '0' || c == '1';
}
bool is_octal_digit(int c) {
    return c >= '0' && c <= '7';
}
bool is_binary_or_dollar(int c) {
    return is_binary_digit(c) || c == '$';
}
bool is_octal_or_dollar(int c) {
    return is_octal_digit(c) || c == '$';
}
bool is_decimal_or_dollar(int c) {
    return is_digit(c) || c == '$';
}
bool is_hex_or_dollar(int c) {
    return is_digit(c) || is_hex_letter(c) || c == '$';
}

int char_at(std::string_view s, std::size_t i) {
    return i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
}

// End of the run of characters from `i` on that satisfy `belongs`.
template <typename Pred>
std::size_t run_end(std::string_view s, std::size_t i, Pred belongs) {
    while (i < s.size() && belongs(static_cast<unsigned char>(s[i])))
        ++i;
    return i;
}

// End of an exponent ("E" or "e", an optional sign, digits or "$") that
// starts at `i`; `i` itself when there is none.
std::size_t exponent_end(std::string_view s, std::size_t i) {
    if (!is_one_of(char_at(s, i), "Ee")) return i;
    std::size_t digits = i + 1;
    if (is_one_of(char_at(s, digits), "+-")) ++digits;
    std::size_t end = run_end(s, digits, is_decimal_or_dollar);
    return end > digits ? end : i;
}

struct number_match {
    std::size_t length = 0;
    int code = 0;
    int radix = 10;
    // The last character is the radix letter, not a digit.
    bool suffixed = false;
};

// Longest match of a number rule at the start of `s`: a first digit, more
// digits (or "$") of the radix, and the radix letter.
std::size_t suffixed_length(std::string_view s, bool (*first)(int), bool (*rest)(int),
                            std::string_view letters) {
    if (!first(char_at(s, 0))) return 0;
    std::size_t end = run_end(s, 1, rest);
    return is_one_of(char_at(s, end), letters) ? end + 1 : 0;
}

// The number rules on a candidate text that begins with a digit or with
// "." and a digit; the longest match wins, the earlier rule on a tie.
number_match longest_number(std::string_view s) {
    number_match best;
    auto consider = [&best](std::size_t length, int code, int radix, bool suffixed) {
        if (length > best.length) best = number_match{length, code, radix, suffixed};
    };
    if (s[0] == '.') {
        if (is_digit(char_at(s, 1)))
            consider(exponent_end(s, run_end(s, 2, is_decimal_or_dollar)), tok::REAL_NUMBER, 10, false);
        return best;
    }
    std::size_t integer_end = run_end(s, 1, is_decimal_or_dollar);
    if (char_at(s, integer_end) == '.')
        consider(exponent_end(s, run_end(s, integer_end + 1, is_decimal_or_dollar)), tok::REAL_NUMBER, 10,
                 false);
    std::size_t exponent = exponent_end(s, integer_end);
    if (exponent > integer_end) consider(exponent, tok::REAL_NUMBER, 10, false);
    consider(suffixed_length(s, is_binary_digit, is_binary_or_dollar, "Bb"), tok::BIN_NUMBER, 2, true);
    consider(suffixed_length(s, is_octal_digit, is_octal_or_dollar, "OQoq"), tok::OCT_NUMBER, 8, true);
    consider(suffixed_length(s, is_digit, is_hex_or_dollar, "Hh"), tok::HEX_NUMBER, 16, true);
    consider(suffixed_length(s, is_digit, is_decimal_or_dollar, "Dd"), tok::DEC_NUMBER, 10, true);
    consider(integer_end, tok::DEC_NUMBER, 10, false);
    return best;
}

// Whether `c` can continue a number candidate. Taking too much is harmless
// (the rest is given back); this only keeps the candidate short.
bool continues_number(std::string_view candidate, int c, bool& seen_point) {
    if (is_decimal_or_dollar(c)) return true;
    int last = static_cast<unsigned char>(candidate.back());
    if (c == '+' || c == '-') return last == 'E' || last == 'e';
    if (c == 'E' || c == 'e') return true;
    if (seen_point) return false;
    if (c == '.') {
        seen_point = run_end(candidate, 0, is_decimal_or_dollar) == candidate.size();
        return seen_point;
    }
    return is_hex_letter(c) || is_one_of(c, "HhOoQq");
}

} // namespace

// ---------------------------------------------------------------------------
// Character input

int Scanner::fetch(include_record& in) {
    if (in.position >= in.text.size()) return end_of_text;
    int c = static_cast<unsigned char>(in.text[in.position++]);
    if (c == '\n') {
        in.line_start = true;
        return c;
    }
    if (!in.line_start) return c;
    in.line_start = false;
    if (in.is_macro) return c;
    // The first left_margin characters of the line are not seen; a line
    // shorter than that ends at its line feed as usual.
    for (int skipped = 0; skipped < left_margin; ++skipped) {
        if (in.position >= in.text.size()) return end_of_text;
        c = static_cast<unsigned char>(in.text[in.position++]);
        if (c == '\n') {
            in.line_start = true;
            return c;
        }
    }
    return c;
}

int Scanner::read_char(include_record& in) {
    if (in.pushback.empty()) return fetch(in);
    int c = static_cast<unsigned char>(in.pushback.back());
    in.pushback.pop_back();
    return c;
}

void Scanner::unread(include_record& in, int c) {
    if (c != end_of_text) in.pushback.push_back(static_cast<char>(c));
}

int Scanner::peek_char() {
    include_record* in = ctx_.includes.top();
    if (!in) return end_of_text;
    int c = read_char(*in);
    unread(*in, c);
    return c;
}

int Scanner::read_raw_char() {
    include_record* in = ctx_.includes.top();
    return in ? read_char(*in) : end_of_text;
}

void Scanner::s_count_line() {
    if (!ctx_.includes.i_reading_macro()) ++line_;
}

// ---------------------------------------------------------------------------
// Lexical rules

int Scanner::set_raw(int code) {
    token_.code = code;
    return code;
}

int Scanner::set_raw(int code, int value) {
    token_.value.kind = value_kind::code;
    token_.value.code = value;
    return set_raw(code);
}

int Scanner::raw_token() {
    token_.value.kind = value_kind::none;
    token_.value.text.clear();
    token_.owns_value = false;
    token_.text.clear();
    include_record* in = ctx_.includes.top();
    int c = in ? read_char(*in) : end_of_text;
    if (c == end_of_text) return set_raw(tok::END_OF_INPUT);
    token_.text.push_back(static_cast<char>(c));
    if (is_digit(c) || c == '.') return lex_number(*in, c);
    if (is_letter(c) || c == '_') return lex_identifier(*in);
    switch (c) {
    case '\\':
        return set_raw(tok::BACKSLASH);
    case '\n':
        return set_raw(tok::NEWLINE);
    case '@':
        return set_raw('@');
    case '\'':
        return set_raw(tok::QUOTE);
    case '(':
        return set_raw('(');
    case ')':
        return set_raw(')');
    case ',':
        return set_raw(',', 20);
    case ';':
        return set_raw(';');
    case '+':
        return set_raw(tok::PLUS, 11);
    case '-':
        return set_raw(tok::MINUS, 12);
    case '=':
        return set_raw(tok::EQ, 10);
    case '$':
        return set_raw(tok::DOLLAR);
    // Inside an apostrophe string a double quote is a character of the text.
    case '"':
        return in_string_ ? set_raw(tok::OTHER_CHAR) : lex_dq_string(*in);
    case '/':
    case '*':
    case ':':
    case '<':
    case '>':
        return lex_operator(*in, c);
    case ' ':
    case '\t':
        // Outside a string a run of blanks is skipped as one character.
        if (!in_string_) skip_blanks(*in);
        return set_raw(tok::OTHER_CHAR);
    default:
        return set_raw(tok::OTHER_CHAR);
    }
}

void Scanner::skip_blanks(include_record& in) {
    if (in.pushback.empty()) {
        while (in.position < in.text.size() && (in.text[in.position] == ' ' || in.text[in.position] == '\t'))
            ++in.position;
        return;
    }
    int c = read_char(in);
    while (c == ' ' || c == '\t')
        c = read_char(in);
    unread(in, c);
}

// Operators that may take a second character.
int Scanner::lex_operator(include_record& in, int first) {
    int second = read_char(in);
    auto pair = [&](int code, int value) {
        token_.text.push_back(static_cast<char>(second));
        return value < 0 ? set_raw(code) : set_raw(code, value);
    };
    switch (first) {
    case '/':
        if (second == '*') return pair(tok::REMARK_START, -1);
        break;
    case '*':
        if (second == '/') return pair(tok::REMARK_END, -1);
        break;
    case ':':
        if (second == '=') return pair(tok::ASSIGN, 0);
        break;
    case '<':
        if (second == '=') return pair(tok::LE, 7);
        if (second == '>') return pair(tok::NE, 9);
        break;
    case '>':
        if (second == '=') return pair(tok::GE, 8);
        break;
    }
    unread(in, second);
    switch (first) {
    case '/':
        return set_raw(tok::SLASH, 14);
    case '*':
        return set_raw('*', 13);
    case '<':
        return set_raw('<', 5);
    case '>':
        return set_raw('>', 6);
    default:
        return set_raw(':');
    }
}

int Scanner::lex_identifier(include_record& in) {
    // Nothing given back waits: the rest of the name is taken from the text
    // at once (a name holds no line feed, so no left margin applies).
    if (in.pushback.empty()) {
        std::size_t end = in.position;
        while (end < in.text.size() && is_identifier_char(static_cast<unsigned char>(in.text[end])))
            ++end;
        token_.text.append(in.text, in.position, end - in.position);
        in.position = end;
        return set_raw(tok::IDENTIFIER);
    }
    int c = 0;
    while (is_identifier_char(c = read_char(in)))
        token_.text.push_back(static_cast<char>(c));
    unread(in, c);
    return set_raw(tok::IDENTIFIER);
}

int Scanner::lex_number(include_record& in, int first) {
    lexeme_.assign(1, static_cast<char>(first));
    bool seen_point = first == '.';
    for (;;) {
        int c = read_char(in);
        if (c == end_of_text || !continues_number(lexeme_, c, seen_point)) {
            unread(in, c);
            break;
        }
        lexeme_.push_back(static_cast<char>(c));
    }
    number_match match = longest_number(lexeme_);
    std::size_t length = match.length ? match.length : 1;
    for (std::size_t i = lexeme_.size(); i > length; --i)
        unread(in, static_cast<unsigned char>(lexeme_[i - 1]));
    token_.text.assign(lexeme_, 0, length);
    if (!match.length) return set_raw('.');
    if (match.code == tok::REAL_NUMBER) {
        lexeme_.clear();
        for (char c : token_.text)
            if (c != '$') lexeme_.push_back(c);
        token_.value.kind = value_kind::real;
        token_.value.real = std::strtod(lexeme_.c_str(), nullptr);
        return set_raw(tok::REAL_NUMBER);
    }
    std::size_t digits = match.suffixed ? length - 1 : length;
    token_.value.kind = value_kind::number;
    token_.value.number = static_cast<std::uint32_t>(str_to_num(token_.text, match.radix, digits));
    return set_raw(match.code);
}

// A double quote, any characters but a double quote, a double quote. Without
// the closing quote the opening one is a stray character.
int Scanner::lex_dq_string(include_record& in) {
    lexeme_.clear();
    for (;;) {
        int c = read_char(in);
        if (c == '"') break;
        if (c == end_of_text) {
            for (std::size_t i = lexeme_.size(); i > 0; --i)
                unread(in, static_cast<unsigned char>(lexeme_[i - 1]));
            return set_raw(tok::OTHER_CHAR);
        }
        lexeme_.push_back(static_cast<char>(c));
    }
    for (char c : lexeme_)
        if (c == '\n') s_count_line();
    token_.text = lexeme_;
    token_.value.kind = value_kind::text;
    token_.value.text = c_strmove(lexeme_);
    token_.owns_value = true;
    return set_raw(tok::DQ_STRING);
}

// ---------------------------------------------------------------------------
// Classification

int Scanner::get_token() {
    int code = raw_token();
    if (code == tok::IDENTIFIER) code = classify_identifier();
    if (code == tok::DIR_INCLUDE || code == tok::DIR_IF || code == tok::DIR_SET || code == tok::DIR_UNKNOWN)
        directive_mode_ = false;
    return set_raw(code);
}

int Scanner::classify_identifier() {
    std::string& name = token_.value.text;
    c_strmove1_buf(name, token_.text);
    token_.value.kind = value_kind::text;
    token_.owns_value = true;
    if (include_path_mode_) return tok::IDENTIFIER;
    std::string_view key = name;
    if (directive_mode_) {
        lookup_key_.assign(1, '$');
        lookup_key_ += name;
        key = lookup_key_;
    }
    int token = 0;
    int value = 0;
    if (ctx_.keywords.lex_kwd_lookup(key, token, value)) {
        name.clear();
        token_.owns_value = false;
        set_raw(token, value);
        return token;
    }
    if (directive_mode_) {
        name.clear();
        token_.value.kind = value_kind::none;
        token_.owns_value = false;
        return tok::DIR_UNKNOWN;
    }
    ctx_.keywords.kw_rename(name);
    return tok::IDENTIFIER;
}

// ---------------------------------------------------------------------------
// Token stream

void Scanner::s_reset() {
    token_ = current_token{};
    line_ = 1;
    peeked_ = -1;
    closing_quote_pending_ = false;
    in_string_ = false;
    literal_text_ = false;
    quoted_in_literal_text_ = false;
    after_literally_ = false;
    collect_ = false;
    first_token_pending_ = 0;
    first_after_quote_ = false;
    string_text_.clear();
    string_overflow_ = false;
    no_expansion_once_ = false;
    force_text_ = false;
    split_literal_ = false;
    include_path_mode_ = false;
    directive_mode_ = false;
    first_pass_ = false;
}

int Scanner::s_peek_token() {
    int code = s_next_token();
    peeked_ = code;
    return code;
}

void Scanner::s_free_token(int code) {
    if (code != tok::IDENTIFIER && code != tok::DQ_STRING) return;
    token_.value.text.clear();
    token_.owns_value = false;
}

int Scanner::s_next_token() {
    if (peeked_ >= 0) {
        int code = peeked_;
        peeked_ = -1;
        return code;
    }
    if (closing_quote_pending_) {
        closing_quote_pending_ = false;
        token_ = current_token{};
        token_.text.assign(1, '\'');
        return set_raw(tok::QUOTE);
    }
    for (;;) {
        int code = get_token();
        while (code == tok::REMARK_START && !in_data_string()) {
            if (!ctx_.remarks.r_scan_remark()) unclosed_remark();
            code = get_token();
        }
        if (code == tok::END_OF_INPUT) {
            if (ctx_.includes.i_pop_file()) continue;
            return end_of_input();
        }
        switch (code) {
        case tok::DOLLAR:
            // A $ inside a string ('END OF TEXT$') is a character of it.
            if (!in_string_) directive_mode_ = true;
            break;
        case tok::IDENTIFIER:
            if (no_expansion_once_)
                no_expansion_once_ = false;
            else if (!in_data_string() && s_is_macro(ctx_, code))
                continue;
            break;
        case tok::DIR_INCLUDE:
            if (first_pass_) {
                s_include_file();
                continue;
            }
            break;
        case tok::NEWLINE:
            directive_mode_ = false;
            s_count_line();
            break;
        case tok::REMARK_END:
            if (!in_data_string()) s_error(ctx_, 3);
            break;
        }
        bool closed = false;
        if (code == tok::QUOTE) {
            if (!in_string_) {
                open_string();
                return tok::QUOTE;
            }
            closed = close_or_double_quote();
        }
        if (in_string_) string_bookkeeping(code);
        if (code == tok::NEWLINE || code == tok::REMARK_END || code == tok::OTHER_CHAR) continue;
        if (collect_ && in_string_) continue;
        if (closed && (collect_ || first_after_quote_)) return string_text_token();
        first_after_quote_ = false;
        after_literally_ = code == tok::LITERALLY;
        return code;
    }
}

void Scanner::unclosed_remark() {
    s_error(ctx_, 4);
    throw RunStop{};
}

int Scanner::end_of_input() {
    token_ = current_token{};
    first_after_quote_ = false;
    return tok::END_OF_INPUT;
}

void Scanner::open_string() {
    in_string_ = true;
    literal_text_ = after_literally_;
    quoted_in_literal_text_ = false;
    first_token_pending_ = 1;
    first_after_quote_ = true;
    string_text_.clear();
    string_overflow_ = false;
    include_record* in = ctx_.includes.top();
    int c = read_char(*in);
    if (c == '"')
        append_to_string("\"");
    else
        unread(*in, c);
}

// A quote inside a string: a doubled apostrophe stands for one apostrophe of
// the text (IT''S is IT'S, and the text of a LITERALLY may itself hold a
// string) and the string goes on; otherwise the string is closed (true).
bool Scanner::close_or_double_quote() {
    include_record* in = ctx_.includes.top();
    int c = read_char(*in);
    if (c == '\'') {
        token_.text.assign(1, '\'');
        if (literal_text_) quoted_in_literal_text_ = !quoted_in_literal_text_;
        return false;
    }
    unread(*in, c);
    in_string_ = false;
    first_token_pending_ = 0;
    return true;
}

// Whether the open string holds data, whose characters stand for
// themselves: no LITERALLY name is expanded in it and neither "/*" nor "*/"
// is a remark sign there.
bool Scanner::in_data_string() const {
    return in_string_ && (!literal_text_ || quoted_in_literal_text_);
}

void Scanner::string_bookkeeping(int code) {
    bool significant = code != tok::NEWLINE && code != tok::OTHER_CHAR;
    bool double_quote_follows = false;
    if (first_token_pending_ >= 1) {
        include_record* in = ctx_.includes.top();
        int c = in ? read_char(*in) : end_of_text;
        if (c == '"')
            double_quote_follows = true;
        else if (in)
            unread(*in, c);
        if (significant) decide_collect(code);
    }
    if (collect_ || first_after_quote_) {
        append_to_string(token_.text);
        token_.owns_value = false;
    }
    if (double_quote_follows) append_to_string("\"");
    if (first_token_pending_ >= 1 && significant) --first_token_pending_;
}

// Whether the tokens of the string just opened are absorbed into its text
// (STRING_TEXT) or returned one by one: a number alone between apostrophes
// and a STRUCTURE type stay tokens.
void Scanner::decide_collect(int code) {
    int next = peek_char();
    if (tok::is_number(code)) {
        collect_ = force_text_ || next != '\'';
        force_text_ = false;
    } else if (code == tok::STRUCTURE) {
        collect_ = next == '\'' || !structure_literal_is_type();
    } else {
        collect_ = !split_literal_;
        split_literal_ = false;
    }
}

namespace {

// The characters still to be read, from the innermost input outwards, as a
// look-ahead that consumes nothing.
class RawLookahead {
  public:
    explicit RawLookahead(const std::vector<include_record>& records) : records_(records) {
        level_ = records_.size();
        next_level();
    }

    int get() {
        while (level_ < records_.size() || !done_) {
            const include_record& in = records_[level_];
            if (pushback_ > 0) return static_cast<unsigned char>(in.pushback[--pushback_]);
            if (position_ < in.text.size()) return static_cast<unsigned char>(in.text[position_++]);
            if (!next_level()) break;
        }
        return -1;
    }

    // The first character that is neither a blank nor inside a remark,
    // starting with `c`.
    int skip_blanks(int c) {
        for (;; c = get()) {
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f') continue;
            if (c != '/') return c;
            if (get() != '*') return -1;
            for (int prev = 0, d = get(); d >= 0; prev = d, d = get())
                if (prev == '*' && d == '/') break;
        }
    }
    int skip_blanks() { return skip_blanks(get()); }
    // Skips the blanks after a word.
    int after_word() { return skip_blanks(std::exchange(pending_, -1)); }

    std::string word(int first) {
        std::string text;
        for (int c = first; c >= 0; c = get()) {
            if (!(std::isalnum(c) || c == '$' || c == '_')) {
                pending_ = c;
                break;
            }
            text += static_cast<char>(std::toupper(c));
        }
        return text;
    }

  private:
    bool next_level() {
        if (level_ == 0) {
            done_ = true;
            level_ = records_.size();
            return false;
        }
        --level_;
        pushback_ = records_[level_].pushback.size();
        position_ = records_[level_].position;
        return true;
    }

    const std::vector<include_record>& records_;
    std::size_t level_ = 0;
    std::size_t pushback_ = 0;
    std::size_t position_ = 0;
    bool done_ = false;
    int pending_ = -1;
};

} // namespace

// A STRUCTURE type between apostrophes is a type when its parentheses close
// inside the apostrophes, or when the next LITERALLY continues it (its text
// starting with ","). Anything else is a piece of text that other LITERALLY
// names put together into a type, and stays a text macro.
bool Scanner::structure_literal_is_type() const {
    RawLookahead ahead(ctx_.includes.records());
    int depth = 0;
    for (int c = ahead.get();; c = ahead.get()) {
        if (c < 0) return true;
        if (c == '(') ++depth;
        if (c == ')' && --depth <= 0) return true;
        if (c == '\'') break;
    }
    int c = ahead.skip_blanks();
    if (c == ';') {
        if (ahead.word(ahead.skip_blanks()) != "DECLARE") return false;
    } else if (c != ',') {
        return false;
    }
    c = c == ';' ? ahead.after_word() : ahead.skip_blanks();
    if (ahead.word(c).empty() || ahead.word(ahead.after_word()) != "LITERALLY") return false;
    return ahead.after_word() == '\'' && ahead.skip_blanks() == ',';
}

void Scanner::append_to_string(std::string_view text) {
    std::size_t room = string_text_limit - string_text_.size();
    if (text.size() <= room) {
        string_text_ += text;
        return;
    }
    string_text_ += text.substr(0, room);
    if (string_overflow_) return;
    string_overflow_ = true;
    s_error(ctx_, 8);
}

int Scanner::string_text_token() {
    token_.text = string_text_;
    token_.value.kind = value_kind::text;
    token_.value.text = string_text_;
    token_.owns_value = true;
    collect_ = false;
    first_after_quote_ = false;
    closing_quote_pending_ = true;
    return set_raw(tok::STRING_TEXT);
}

// ---------------------------------------------------------------------------
// $INCLUDE in the first pass

void Scanner::s_include_file() {
    include_path_mode_ = true;
    bool well_formed = s_get_include_name();
    include_path_mode_ = false;
    if (!well_formed) {
        s_error(ctx_, 23);
        return;
    }
    if (ctx_.includes.i_push_include(include_path_, false) == IncludeStack::include_result::missing)
        s_fatal_include_missing(ctx_, include_path_);
}

// Reads "(" path ")" into the path buffer: names in C spelling, numbers as
// written, and the separators.
bool Scanner::s_get_include_name() {
    include_path_.clear();
    if (s_next_token() != '(') return false;
    for (;;) {
        no_expansion_once_ = true;
        int code = s_next_token();
        std::string_view piece;
        switch (code) {
        case ')':
            no_expansion_once_ = false;
            return true;
        case tok::IDENTIFIER:
            piece = token_.value.text;
            break;
        case '.':
            piece = ".";
            break;
        case ':':
            piece = ":";
            break;
        case tok::BACKSLASH:
            piece = "\\";
            break;
        case tok::SLASH:
            piece = "/";
            break;
        default:
            if (!tok::is_number(code)) return false;
            piece = token_.text;
        }
        str_n_cat(include_path_, include_path_capacity, piece);
    }
}

} // namespace xlatr
