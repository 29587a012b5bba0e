// A run context ready to scan: keyword tables filled, the scanner reset, the
// module's declare block pushed. Tokens are described as "NAME value" so that
// a whole stream can be compared at once.
#pragma once

#include "frontend/tokens.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xlatr::testing {

using Tokens = std::vector<std::string>;

class TokenStream : public ::testing::Test {
  protected:
    TokenStream();

    // Pushes `text` as the source "T.PLM".
    void source(std::string text);
    // Every token of `text` up to the end of all input.
    Tokens scan(std::string text);
    // The rest of the stream, with the line of each token after a "@".
    Tokens rest_with_lines();
    // Describes the current token.
    std::string describe(int code) const;
    void macro(const std::string& name, const std::string& text);

    TestRun run;
    Context& ctx = run.ctx;
    Scanner& scanner = run.ctx.scanner;
};

} // namespace xlatr::testing
