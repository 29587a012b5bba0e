// Output streams: the current stream that all C text is printed to, its
// indentation, the stack of output files and the assembly of scratch texts
// into finished files.
#pragma once

#include "support/files.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xlatr {

class Context;

// One entry of the output file stack.
struct o_output_file {
    std::string name;
    Storage storage = Storage::memory;
    int saved_indent = 0;
    bool assemble_on_pop = false;
    // Text printed into a disk file since it was last opened; the file layer
    // receives it when the file is closed, and the disk when it is popped.
    std::string disk_text;
};

class OutputStreams {
  public:
    explicit OutputStreams(Context& ctx) : ctx_(ctx) {}
    OutputStreams(const OutputStreams&) = delete;
    OutputStreams& operator=(const OutputStreams&) = delete;

    // Prints to the current output stream.
    void print(std::string_view text);
    void printf(const char* fmt, ...) __attribute__((format(printf, 2, 3)));

    void o_indent();
    void o_indent_in() { indent_level_ += indent_step; }
    void o_indent_out() { indent_level_ -= indent_step; }
    int indent_level() const { return indent_level_; }

    bool o_push_file(std::string_view name, bool write, bool assemble_on_pop, Storage storage);
    bool o_pop_file();
    // Name of the top file, or of the file popped last; null when neither.
    const std::string* o_output_name() const;
    // Whether an include file's own C file is being written, which gathers
    // its prototypes below its declarations.
    bool o_assembling_include() const;
    // Stops the run when the file being read is the current disk output.
    void o_check_same_file();
    // Stops the run when `output` names a file the run has read.
    void refuse_input_overwrite(std::string_view output);
    // Ends the run: `output` would overwrite the input file `input`.
    [[noreturn]] void same_file_stop(const std::string& input, const std::string& output);

    // Makes `sink` the current output stream (null: the standard output),
    // returning the previous one. Used for builtin.h, which is not stacked.
    std::string* o_set_file(std::string* sink);
    // The text of the current output stream; null for the standard output.
    std::string* o_current_text() const { return current_; }

    // Appends the scratch texts `header`, `main` and `func` (each skipped when
    // it does not exist) to the disk file `out`, which is then complete;
    // false when `out` cannot be opened. The texts appended are removed.
    bool copy_files(std::string_view header, std::string_view main, std::string_view func,
                    std::string_view out, bool append);
    // Puts a complete disk output in its place; a failure fails the run.
    void commit(std::string_view name);

    static constexpr int indent_step = 3;

  private:
    bool open_top(bool write);
    void close_top();

    Context& ctx_;
    std::vector<o_output_file> stack_;
    std::optional<std::string> popped_last_;
    bool popped_last_on_disk_ = false;
    int indent_level_ = 0;
    // Where print() goes: a scratch text, the disk text of the top file, a
    // caller's buffer, or (null) the standard output; refused output is dropped.
    std::string* current_ = nullptr;
    bool refused_ = false;
};

// While it lives, everything printed goes to `sink`; the stream printed to
// before comes back when it ends.
class OutputCapture {
  public:
    OutputCapture(OutputStreams& output, std::string& sink)
        : output_(output), previous_(output.o_set_file(&sink)) {}
    ~OutputCapture() { output_.o_set_file(previous_); }
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;

  private:
    OutputStreams& output_;
    std::string* previous_;
};

} // namespace xlatr
