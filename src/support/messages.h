// The message channel: every message goes to the console error stream and to
// the log xlatr.log at once, both flushed, so the log is complete whenever the
// run ends. The numbered catalogue of source-related messages lives here too.
#pragma once

#include "support/files.h"

#include <cstdarg>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace xlatr {

class Context;

#define XLATR_PRINTF(fmt_index, first_arg) __attribute__((format(printf, fmt_index, first_arg)))

// printf-style formatting into a std::string.
std::string format(const char* fmt, ...) XLATR_PRINTF(1, 2);
std::string vformat(const char* fmt, va_list args);

class Messages {
  public:
    explicit Messages(std::ostream& console) : console_(console) {}

    // Opens xlatr.log for appending; false when it cannot be opened. Each
    // message reaches it by one write at its end, so that the messages of
    // runs that share the log interleave whole.
    bool open_log(const std::string& path);

    void log_printf(const char* fmt, ...) XLATR_PRINTF(2, 3);
    void log_text(std::string_view text);
    // For texts that differ between the two places, and for the one message
    // that cannot reach the log (the log itself failed).
    void console_only(std::string_view text);
    void log_only(std::string_view text);

    // Set by every fatal message; never cleared. A run with it set fails.
    bool error_flag = false;

  private:
    std::ostream& console_;
    UniqueFd log_;
};

// Raises catalogue message `number` with the current line and token text.
void s_error(Context& ctx, int number);
void s_error_msg(Context& ctx, int number, int line, std::string_view text);
// True when `number` has a catalogue entry.
bool s_error_defined(int number);

void s_warn_multiply_declared(Context& ctx, std::string_view name);
void s_fatal_include_missing(Context& ctx, std::string_view name);
// An include of a file that is still being read, directly or through others.
// An $INCLUDE whose file name matches several files that differ in case.
void s_fatal_include_ambiguous(Context& ctx, std::string_view name, const std::vector<std::string>& files);
void s_fatal_include_cycle(Context& ctx, std::string_view name);
void s_warn_const_redefined(Context& ctx, std::string_view name);
// An input that is no source text: one with a NUL character, or with a line
// longer than `limit`. Both name the input itself, which is not yet open.
void s_fatal_not_text(Context& ctx, std::string_view file, int line);
void s_fatal_line_too_long(Context& ctx, std::string_view file, int line, std::size_t limit);
// The texts read in the run have outgrown their budget of `limit` characters
// at the macro or file `name`.
void s_fatal_read_too_long(Context& ctx, std::string_view name, std::size_t limit);

} // namespace xlatr
