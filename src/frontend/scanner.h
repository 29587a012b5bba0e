// The scanner and token stream.
#pragma once

#include <string>
#include <string_view>

namespace xlatr {

class Context;

class Scanner {
  public:
    explicit Scanner(Context& ctx) : ctx_(ctx) {}
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;

    int s_current_line() const { return line_; }
    void s_set_line(int line) { line_ = line; }

    // Text of the current token, as messages quote it.
    std::string_view token_text() const { return token_text_; }

  private:
    [[maybe_unused]] Context& ctx_;
    int line_ = 1;
    std::string token_text_;
};

} // namespace xlatr
