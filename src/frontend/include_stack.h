// The stack of input files: the source at the bottom, the files it includes
// above it, and the texts of expanded macros on top while they are read.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace xlatr {

class Context;

// One input being read. The whole text is held in memory, so a file below the
// top keeps its reading position without staying open.
struct include_record {
    // A file as it was opened; for a macro text, the macro's name.
    std::string name;
    std::string text;
    std::size_t position = 0;
    // Characters the scanner read beyond a token and gave back, the next one
    // last. They stay with their input, so a file that resumes after an
    // include or a macro text goes on exactly where its tokens ended.
    std::string pushback;
    // The last character taken from `text` was a line feed: the next one
    // starts a line (the left margin applies there).
    bool line_start = false;
    bool is_macro = false;
    bool owns_output = false;
    // Line number of the input below at the moment this one was pushed.
    int line = 0;
};

class IncludeStack {
  public:
    explicit IncludeStack(Context& ctx) : ctx_(ctx) {}
    IncludeStack(const IncludeStack&) = delete;
    IncludeStack& operator=(const IncludeStack&) = delete;

    // Opens a file (read from disk) on top of the stack; false when it cannot
    // be read. A file that is no source text (a NUL character, a line longer
    // than `line_length_limit`) is reported and ends the run.
    bool i_push_file(std::string_view name, bool is_macro, bool owns_output);
    static constexpr std::size_t line_length_limit = 65535;
    // Opens the file of an $INCLUDE path as the include map directs. A file
    // that does not exist as spelled is looked for once more among the files
    // of its directory whose names differ only in case: one is used, several
    // are an error. Cycles and ambiguity are reported here; a missing file is
    // left to the caller, whose message depends on the pass.
    enum class include_result { opened, missing, refused };
    include_result i_push_include(const std::string& path, bool owns_output);
    // Pushes a text held in memory (a macro's replacement text).
    void i_push_text(std::string name, std::string text, bool is_macro);
    // Everything a run reads, every file each time it is read and every macro
    // text, holds at most `read_budget()` characters: a chain of names each
    // of which uses the next twice doubles its expansion with every name, and
    // a macro text that includes a file reads the file at every use. Past the
    // budget the run is reported and ends at once. The budget grows with the
    // size of each file the first time it is read; real modules read about
    // two and a half times their files' size (two passes and their macros).
    static constexpr std::size_t read_per_file_byte = 16;
    static constexpr std::size_t read_floor = std::size_t{1} << 16;
    std::size_t read_budget() const { return read_floor + read_per_file_byte * file_bytes_; }
    // Drops the top input; false when no input remains.
    bool i_pop_file();

    // Name for messages: the innermost input that is not a macro text, else
    // the input popped last; null before any.
    const char* i_current_file_name() const;
    bool i_reading_macro() const { return !stack_.empty() && stack_.back().is_macro; }
    // The text of macro `name` is being read, at any depth.
    bool i_expanding(std::string_view name) const;
    // True the first time in the run that `name` is found to expand itself:
    // a macro that does so at every use is reported once.
    bool i_first_self_expansion(std::string_view name) { return self_expanding_.emplace(name).second; }
    // The file `name` is being read, at any depth: including it again would
    // never end.
    bool i_reading_file(std::string_view name) const;
    // The file of this run's input that `output` would overwrite: every file
    // read so far counts, not only those still open. Null when none.
    const std::string* i_input_same_as(std::string_view output) const;
    bool empty() const { return stack_.empty(); }
    include_record* top() { return stack_.empty() ? nullptr : &stack_.back(); }
    // Every open input, the innermost last.
    const std::vector<include_record>& records() const { return stack_; }

  private:
    void push(include_record record, bool first_read);
    void refuse_non_text(std::string_view name, std::string_view text);

    Context& ctx_;
    std::vector<include_record> stack_;
    // Where the files (not macro texts) stand in the stack, and how often each
    // macro's text is open: a chain of macros that use each other stacks
    // deep, and every expansion asks both questions.
    std::vector<std::size_t> file_levels_;
    std::map<std::string, int, std::less<>> expanding_;
    std::set<std::string, std::less<>> self_expanding_;
    std::optional<std::string> last_name_;
    std::vector<std::string> inputs_read_;
    // Characters of the distinct files read, and of all texts pushed.
    std::size_t file_bytes_ = 0;
    std::size_t read_bytes_ = 0;
};

} // namespace xlatr
