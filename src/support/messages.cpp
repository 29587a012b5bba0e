#include "support/messages.h"

#include "driver/context.h"

#include <fcntl.h>

#include <array>
#include <cstdarg>
#include <cstdio>

namespace xlatr {

std::string vformat(const char* fmt, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int size = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    if (size <= 0) return {};
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), fmt, args);
    text.pop_back();
    return text;
}

namespace {

// How the arguments of a catalogue text are ordered.
enum class Args { file_line, file, file_line_text, file_text_line };

struct CatalogueEntry {
    const char* text; // null: the number has no message
    bool fatal;
    Args args;
};

constexpr std::array<CatalogueEntry, 32> catalogue = {{
    {nullptr, false, Args::file},
    {"%s: fatal! syntax error in line %d near \"%s\"\n", true, Args::file_line_text},
    {"%s: note! remark within remark ignored in line %d\n", false, Args::file_line},
    {"%s: warning! end of remark sign is detected in line %d ,with no preceding starting sign\n", false,
     Args::file_line},
    {"%s: fatal! there is an unclosed remark upon reaching the end of input file\n", true, Args::file},
    {"%s: warning! there is no such case in switch in line %d\n", false, Args::file_line},
    {"%s: fatal! insertion to hash failed in line %d\n", true, Args::file_line},
    {"%s: fatal! retrieval from hash failed in line %d\n", true, Args::file_line},
    {"%s: fatal! string in quatation in line %d is too long\n", true, Args::file_line},
    {"%s: fatal! software error in line %d\n", true, Args::file_line},
    {"%s: fatal! no previous typedef declarartion in line %d\n", true, Args::file_line},
    {"%s: warning! \"AT\" expression cannot be translated in line %d\n", false, Args::file_line},
    {"%s: warning! \"AT\" expression was not previously declared in line %d\n", false, Args::file_line},
    {nullptr, false, Args::file},
    {"%s: fatal! \"AT\" and \"BASED\" used together in line %d\n", true, Args::file_line},
    {"%s: fatal! \"AT\" is used with a factored variable in line %d\n", true, Args::file_line},
    {"%s: fatal! \"AT\" is used with initialization in line %d\n", true, Args::file_line},
    {"%s: fatal! no memory space!! allocation failed in line %d\n", true, Args::file_line},
    {"%s: fatal! id near \"%s\" was not previously defined - line %d\n", true, Args::file_text_line},
    {"%s: fatal! cannot handle factored declarations with \"AT\" attr - line %d\n", true, Args::file_line},
    {"%s: fatal! cannot translate statement near \"%s\" - line %d\n", true, Args::file_text_line},
    {"%s: warning! interrupt procedure translated as an ordinary procedure - line %d\n", false,
     Args::file_line},
    {"%s: fatal! cannot translate procedure within another procedure - line %d\n", true, Args::file_line},
    {"%s: fatal! include file redirection syntax is wrong - line %d\n", true, Args::file_line},
    {"%s: fatal! base pointer was not declared previously - line %d\n", true, Args::file_line},
    {"%s: fatal! leftmargin accepts simple const only - line %d\n", true, Args::file_line},
    {"%s: fatal! include file was not found - line %d\n", true, Args::file_line},
    {"%s: fatal! label already declared before - line %d\n", true, Args::file_line},
    {"%s: fatal! identifier is too long - line %d\n", true, Args::file_line},
    {"%s: fatal! member in union is a function parameter and array - line %d\n", true, Args::file_line},
    {"%s: fatal! size of array must be set for union creation - line %d\n", true, Args::file_line},
    {"%s: warning! line %d - ignoring \"%s\".\n   \tPlease treat according to your C compiler\n", false,
     Args::file_line_text},
}};

} // namespace

std::string format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = vformat(fmt, args);
    va_end(args);
    return text;
}

bool Messages::open_log(const std::string& path) {
    log_.reset(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
    return static_cast<bool>(log_);
}

void Messages::log_printf(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = vformat(fmt, args);
    va_end(args);
    log_text(text);
}

void Messages::log_text(std::string_view text) {
    console_only(text);
    log_only(text);
}

void Messages::console_only(std::string_view text) {
    console_ << text;
    console_.flush();
}

void Messages::log_only(std::string_view text) {
    if (log_) write_all(log_.get(), text);
}

bool s_error_defined(int number) {
    return number >= 0 && number < static_cast<int>(catalogue.size()) &&
           catalogue[static_cast<std::size_t>(number)].text != nullptr;
}

void s_error(Context& ctx, int number) {
    s_error_msg(ctx, number, ctx.s_current_line(), ctx.scanner.token_text());
}

void s_error_msg(Context& ctx, int number, int line, std::string_view text) {
    const char* file = ctx.message_file();
    if (!s_error_defined(number)) {
        ctx.messages.log_printf("error %d is not defined in \"%s\"\n", number, "s_error_msg");
        ctx.messages.error_flag = true;
        return;
    }
    const CatalogueEntry& entry = catalogue[static_cast<std::size_t>(number)];
    std::string token(text);
    std::string message;
    switch (entry.args) {
    case Args::file:
        message = format(entry.text, file);
        break;
    case Args::file_line:
        message = format(entry.text, file, line);
        break;
    case Args::file_line_text:
        message = format(entry.text, file, line, token.c_str());
        break;
    case Args::file_text_line:
        message = format(entry.text, file, token.c_str(), line);
        break;
    }
    ctx.messages.log_text(message);
    if (entry.fatal) ctx.messages.error_flag = true;
}

void s_warn_multiply_declared(Context& ctx, std::string_view name) {
    ctx.messages.log_printf("%s: warning - \"%s\" is multiply declared in line %d\n", ctx.message_file(),
                            std::string(name).c_str(), ctx.s_current_line());
}

void s_fatal_include_missing(Context& ctx, std::string_view name) {
    ctx.messages.log_printf("%s: fatal! cannot find include file \"%s\" in line %d\n", ctx.message_file(),
                            std::string(name).c_str(), ctx.s_current_line());
    ctx.messages.error_flag = true;
}

void s_fatal_include_ambiguous(Context& ctx, std::string_view name, const std::vector<std::string>& files) {
    std::string list;
    for (const std::string& file : files)
        list += (list.empty() ? "\"" : ", \"") + file + "\"";
    ctx.messages.log_printf("%s: fatal! include file \"%s\" matches several files: %s in line %d\n",
                            ctx.message_file(), std::string(name).c_str(), list.c_str(),
                            ctx.s_current_line());
    ctx.messages.error_flag = true;
}

void s_fatal_include_cycle(Context& ctx, std::string_view name) {
    ctx.messages.log_printf("%s: fatal! include file \"%s\" includes itself in line %d\n", ctx.message_file(),
                            std::string(name).c_str(), ctx.s_current_line());
    ctx.messages.error_flag = true;
}

void s_fatal_not_text(Context& ctx, std::string_view file, int line) {
    ctx.messages.log_printf("%s: fatal! line %d holds a NUL character, this is not a text file\n",
                            std::string(file).c_str(), line);
    ctx.messages.error_flag = true;
}

void s_fatal_line_too_long(Context& ctx, std::string_view file, int line, std::size_t limit) {
    ctx.messages.log_printf("%s: fatal! line %d is longer than %zu characters\n", std::string(file).c_str(),
                            line, limit);
    ctx.messages.error_flag = true;
}

void s_fatal_read_too_long(Context& ctx, std::string_view name, std::size_t limit) {
    ctx.messages.log_printf("%s: fatal! reading \"%s\" brings the text read above %zu characters - line %d\n",
                            ctx.message_file(), std::string(name).c_str(), limit, ctx.s_current_line());
    ctx.messages.error_flag = true;
}

void s_warn_const_redefined(Context& ctx, std::string_view name) {
    ctx.messages.log_printf("%s: warning! constant \"%s\" is multiply defined - line %d\n",
                            ctx.message_file(), std::string(name).c_str(), ctx.s_current_line());
}

} // namespace xlatr
