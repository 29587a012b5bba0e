#include "token_stream.h"

#include <sstream>

namespace xlatr::testing {

TokenStream::TokenStream() {
    ctx.keywords.lex_init();
    ctx.keywords.kw_init();
    scanner.s_reset();
    ctx.symbols.h_push_declare_block();
}

void TokenStream::source(std::string text) {
    ctx.includes.i_push_text("T.PLM", std::move(text), false);
}

Tokens TokenStream::scan(std::string text) {
    source(std::move(text));
    Tokens tokens;
    while (int code = scanner.s_next_token())
        tokens.push_back(describe(code));
    return tokens;
}

Tokens TokenStream::rest_with_lines() {
    Tokens tokens;
    while (int code = scanner.s_next_token())
        tokens.push_back(describe(code) + "@" + std::to_string(scanner.s_current_line()));
    return tokens;
}

std::string TokenStream::describe(int code) const {
    const char* name = tok::token_name(code);
    std::ostringstream out;
    if (name)
        out << name;
    else
        out << '?' << code;
    const token_value& value = scanner.token().value;
    switch (value.kind) {
    case value_kind::none:
        break;
    case value_kind::text:
        out << " \"" << value.text << '"';
        break;
    case value_kind::number:
        out << ' ' << value.number;
        break;
    case value_kind::real:
        out << ' ' << value.real;
        break;
    case value_kind::code:
        out << " #" << value.code;
        break;
    }
    return out.str();
}

void TokenStream::macro(const std::string& name, const std::string& text) {
    ctx.symbols.h_insert_macro(name, text);
}

} // namespace xlatr::testing
