// Throughput of the token stream: builds a large PL/M unit in memory (macros,
// declarations, statements, remarks, strings and numbers of every radix),
// collects its macros with the first pass, then reads it token by token with
// s_next_token as the parser would, and reports tokens per second.
#include "driver/context.h"
#include "frontend/first_pass.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

constexpr std::size_t unit_size = 8 * 1024 * 1024;

const char* const unit_head = "BENCH: DO;\n"
                              "DECLARE FOREVER LITERALLY 'WHILE 1', INCR LITERALLY '+ 1',\n"
                              "        LIMIT LITERALLY '10$000', MSG LITERALLY 'CALL SHOW';\n";

// One procedure's worth of text; `n` keeps the names apart.
std::string section(int n) {
    std::string id = std::to_string(n);
    return "/* Section " + id +
           ": counts the items of the table, skipping the empty\n"
           "   ones, and reports the total. */\n"
           "COUNT$" +
           id +
           ": PROCEDURE (TABLE$PTR, SIZE) WORD PUBLIC;\n"
           "    DECLARE TABLE$PTR POINTER, SIZE WORD, (I, TOTAL) WORD;\n"
           "    DECLARE ITEM BASED TABLE$PTR (1) BYTE, RATE REAL INITIAL (1.5E3);\n"
           "    DECLARE MASKS (4) BYTE DATA (0101B, 077Q, 0FFH, 1$000);\n"
           "    TOTAL = 0;\n"
           "    DO I = 0 TO SIZE - 1;   /* every item */\n"
           "        IF ITEM(I) <> 0 AND (ITEM(I) AND MASKS(I MOD 4)) >= 12AH THEN\n"
           "            TOTAL = TOTAL INCR;\n"
           "        ELSE IF I > LIMIT THEN GOTO DONE$" +
           id +
           ";\n"
           "    END;\n"
           "DONE$" +
           id +
           ":\n"
           "    MSG(.'Total of table ''" +
           id +
           "'' is ', TOTAL, RATE * 2.5);\n"
           "    RETURN TOTAL;\n"
           "END COUNT$" +
           id + ";\n\n";
}

std::string make_unit() {
    std::string text = unit_head;
    for (int n = 0; text.size() < unit_size; ++n)
        text += section(n);
    text += "END BENCH;\n";
    return text;
}

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main() {
    using namespace xlatr;
    Context ctx(Environment{std::filesystem::current_path(), std::cout, std::cerr});
    ctx.keywords.lex_init();
    ctx.keywords.kw_init();
    ctx.scanner.s_reset();
    ctx.symbols.h_push_declare_block();
    const std::string unit = make_unit();

    auto start = std::chrono::steady_clock::now();
    ctx.includes.i_push_text("BENCH.PLM", unit, false);
    ctx.scanner.set_first_pass(true);
    s_first_pass(ctx);
    ctx.scanner.set_first_pass(false);
    double first_pass_seconds = seconds_since(start);

    ctx.scanner.s_set_line(1);
    start = std::chrono::steady_clock::now();
    ctx.includes.i_push_text("BENCH.PLM", unit, false);
    long tokens = 0;
    while (ctx.scanner.s_next_token() != 0)
        ++tokens;
    double seconds = seconds_since(start);

    std::printf("unit: %.1f MB, %d lines\n", static_cast<double>(unit.size()) / (1024.0 * 1024.0),
                ctx.scanner.s_current_line());
    std::printf("first pass: %.3f s\n", first_pass_seconds);
    std::printf("token stream: %ld tokens in %.3f s, %.0f tokens per second\n", tokens, seconds,
                static_cast<double>(tokens) / seconds);
    return ctx.messages.error_flag ? 1 : 0;
}
