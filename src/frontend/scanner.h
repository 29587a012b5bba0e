// The scanner and token stream. Three layers, each calling the one below:
// the lexical rules turn the characters of the current input into raw tokens
// (longest match, the earlier rule on a tie); get_token puts names into their
// C spelling and classifies them as keywords, directive words or
// identifiers; s_next_token, the only entry the parser and the first pass
// use, drops blanks and stray characters, counts lines, hands remarks to the
// remark store, assembles apostrophe strings, expands LITERALLY names,
// follows $INCLUDE in the first pass and pops finished inputs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace xlatr {

class Context;
struct include_record;

// What the value of the current token holds.
enum class value_kind { none, text, number, real, code };

// The semantic value of a token: an owned text (IDENTIFIER, DQ_STRING,
// STRING_TEXT), an unsigned 32-bit number, a double, or an operator code or
// keyword value.
struct token_value {
    value_kind kind = value_kind::none;
    std::string text;
    std::uint32_t number = 0;
    double real = 0;
    int code = 0;
};

struct current_token {
    int code = 0;
    token_value value;
    // The token as written; for DQ_STRING the text between the double quotes,
    // for STRING_TEXT the assembled string text.
    std::string text;
    // The value is a text the receiver takes over; cleared once the text has
    // gone into an assembled string.
    bool owns_value = false;
};

class Scanner {
  public:
    // The assembled text of one apostrophe string holds at most this many
    // characters; the rest is dropped with message 8.
    static constexpr std::size_t string_text_limit = 1800;
    // Capacity of the $INCLUDE path, terminator included.
    static constexpr std::size_t include_path_capacity = 250;

    explicit Scanner(Context& ctx) : ctx_(ctx) {}
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;

    // Clears every state of the token stream; the line number becomes 1.
    void s_reset();

    // The next token of the stream; 0 at the end of all input.
    int s_next_token();
    // Reads the next token and holds it: the following s_next_token returns
    // it again, with the same value and text.
    int s_peek_token();
    // Releases the value of a swallowed IDENTIFIER or DQ_STRING.
    void s_free_token(int code);
    // The next token of the classifying layer: keywords and identifiers told
    // apart, nothing dropped or expanded.
    int get_token();

    const current_token& token() const { return token_; }
    current_token& token() { return token_; }
    // Text of the current token, as messages quote it.
    std::string_view token_text() const { return token_.text; }

    int s_current_line() const { return line_; }
    void s_set_line(int line) { line_ = line; }
    // One more line, unless a macro text is being read: a macro's lines are
    // not lines of the file that uses it.
    void s_count_line();

    // Next raw character of the current input, through the characters given
    // back first; -1 at the end of the current input (a NUL byte is a
    // character like any other). The remark store reads the inside of a
    // remark through it.
    int read_raw_char();

    bool first_pass() const { return first_pass_; }
    void set_first_pass(bool on) { first_pass_ = on; }

    // Switches the parser actions and the first pass set.
    void set_no_expansion_once() { no_expansion_once_ = true; }
    void clear_no_expansion_once() { no_expansion_once_ = false; }
    void set_force_text() { force_text_ = true; }
    void clear_force_text() { force_text_ = false; }
    void set_split_literal() { split_literal_ = true; }
    void set_include_path_mode(bool on) { include_path_mode_ = on; }

    // Columns skipped at the start of every line that follows a line feed
    // (not in macro texts); set by $LEFTMARGIN, 0 for none.
    int left_margin = 0;

  private:
    // Character input of the lexical rules; -1 at the end of the input.
    int read_char(include_record& in);
    int fetch(include_record& in);
    static void unread(include_record& in, int c);
    int peek_char();

    // The lexical rules.
    int raw_token();
    void skip_blanks(include_record& in);
    int lex_identifier(include_record& in);
    int lex_number(include_record& in, int first);
    int lex_dq_string(include_record& in);
    int lex_operator(include_record& in, int first);
    int set_raw(int code);
    int set_raw(int code, int value);
    int classify_identifier();

    // Pieces of s_next_token.
    [[noreturn]] void unclosed_remark();
    int end_of_input();
    void open_string();
    bool close_or_double_quote();
    bool in_data_string() const;
    void string_bookkeeping(int code);
    void decide_collect(int code);
    bool structure_literal_is_type() const;
    void append_to_string(std::string_view text);
    int string_text_token();
    void s_include_file();
    bool s_get_include_name();

    Context& ctx_;
    current_token token_;
    int line_ = 1;

    // Token held by s_peek_token; -1 for none.
    int peeked_ = -1;
    bool closing_quote_pending_ = false;
    // Between an opening and a closing apostrophe.
    bool in_string_ = false;
    // The open string is the text of a LITERALLY declaration: program text,
    // whose names are expanded and whose remarks are remarks, unlike the
    // text of any other string, which is data.
    bool literal_text_ = false;
    // Inside a LITERALLY text, between doubled apostrophes: a string of the
    // program text, and so data again.
    bool quoted_in_literal_text_ = false;
    // The last token returned was LITERALLY.
    bool after_literally_ = false;
    // The tokens of the open string are absorbed into its text.
    bool collect_ = false;
    // 1 right after an opening apostrophe; counts down at the first token
    // that is neither a stray character nor a line feed.
    int first_token_pending_ = 0;
    bool first_after_quote_ = false;
    std::string string_text_;
    // Message 8 has been given for the open string.
    bool string_overflow_ = false;

    bool no_expansion_once_ = false;
    bool force_text_ = false;
    bool split_literal_ = false;
    bool include_path_mode_ = false;
    // A "$" has been seen on the current line.
    bool directive_mode_ = false;
    bool first_pass_ = false;

    // Reused buffers, so that scanning does not allocate per token.
    std::string lexeme_;
    std::string lookup_key_;
    std::string include_path_;
};

} // namespace xlatr
