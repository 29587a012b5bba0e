#include "support/output.h"

#include "driver/context.h"
#include "support/strings.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace xlatr {

void OutputStreams::print(std::string_view text) {
    if (current_)
        current_->append(text);
    else if (!refused_)
        ctx_.env.out << text;
}

void OutputStreams::printf(const char* fmt, ...) {
    // Most texts are short: one formatting into a local buffer, no string.
    char buffer[512];
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(buffer, sizeof buffer, fmt, copy);
    va_end(copy);
    if (size >= 0 && static_cast<std::size_t>(size) < sizeof buffer) {
        va_end(args);
        print(std::string_view(buffer, static_cast<std::size_t>(size)));
        return;
    }
    std::string text = vformat(fmt, args);
    va_end(args);
    print(text);
}

void OutputStreams::o_indent() {
    constexpr std::string_view spaces = "                                                                ";
    for (int left = indent_level_; left > 0; left -= static_cast<int>(spaces.size()))
        print(spaces.substr(0, std::min(spaces.size(), static_cast<std::size_t>(left))));
}

std::string* OutputStreams::o_set_file(std::string* sink) {
    std::string* previous = current_;
    current_ = sink;
    refused_ = false;
    return previous;
}

// Opens the top record's file with "w" or "a" and makes it current.
bool OutputStreams::open_top(bool write) {
    o_output_file& top = stack_.back();
    if (top.storage == Storage::memory) {
        current_ = &ctx_.files.temps.open(top.name, write);
    } else {
        if (!ctx_.files.create(top.name, !write)) return false;
        top.disk_text.clear();
        current_ = &top.disk_text;
    }
    refused_ = false;
    return true;
}

// Closes the top record's file: a disk file receives what was printed into it.
void OutputStreams::close_top() {
    o_output_file& top = stack_.back();
    if (top.storage == Storage::disk && !ctx_.files.append_owned(top.name, std::move(top.disk_text)))
        ctx_.messages.log_printf("warning: could not close file \"%s\"\n", top.name.c_str());
    top.disk_text.clear();
    current_ = nullptr;
    refused_ = true;
}

bool OutputStreams::o_push_file(std::string_view name, bool write, bool assemble_on_pop, Storage storage) {
    o_output_file file;
    file.name = c_strmove(name);
    file.storage = storage;
    file.saved_indent = indent_level_;
    file.assemble_on_pop = assemble_on_pop;

    // No input of the run may be truncated by opening it for output.
    if (storage == Storage::disk) refuse_input_overwrite(file.name);

    if (storage == Storage::disk && !ctx_.files.create(file.name, !write)) return false;
    if (!stack_.empty()) close_top();
    stack_.push_back(std::move(file));
    open_top(write);
    indent_level_ = 0;
    o_check_same_file();
    return true;
}

bool OutputStreams::o_pop_file() {
    if (stack_.empty()) return false;
    if (stack_.back().assemble_on_pop) ctx_.flush_before_assembly();
    close_top();
    o_output_file popped = std::move(stack_.back());
    stack_.pop_back();
    if (popped.assemble_on_pop) {
        if (!copy_files("tmp_header.t", "", "tmp_func.t", popped.name, true)) {
            ctx_.messages.log_printf("%s: INTERNAL - copy_files FAILED\n", ctx_.message_file());
            ctx_.messages.error_flag = true;
        } else {
            ctx_.files.temps.remove("tmp_header.t");
            ctx_.files.temps.remove("tmp_func.t");
        }
    }
    if (popped.storage == Storage::disk) commit(popped.name);
    indent_level_ = popped.saved_indent;
    popped_last_ = std::move(popped.name);
    popped_last_on_disk_ = popped.storage == Storage::disk;
    if (stack_.empty() || !open_top(false)) return false;
    o_check_same_file();
    return true;
}

bool OutputStreams::o_assembling_include() const {
    return std::any_of(stack_.begin(), stack_.end(), [](const o_output_file& file) { return file.assemble_on_pop; });
}

const std::string* OutputStreams::o_output_name() const {
    if (!stack_.empty()) return &stack_.back().name;
    return popped_last_ ? &*popped_last_ : nullptr;
}

void OutputStreams::o_check_same_file() {
    const char* input = ctx_.i_current_file_name();
    const std::string* output = o_output_name();
    const bool on_disk = stack_.empty() ? popped_last_on_disk_ : stack_.back().storage == Storage::disk;
    if (input && output && on_disk && ctx_.files.same_file(input, *output)) same_file_stop(input, *output);
}

void OutputStreams::refuse_input_overwrite(std::string_view output) {
    if (const std::string* input = ctx_.includes.i_input_same_as(output))
        same_file_stop(*input, std::string(output));
}

void OutputStreams::same_file_stop(const std::string& input, const std::string& output) {
    ctx_.messages.log_printf("ERROR! input file \"%s\" and output file", input.c_str());
    ctx_.messages.log_printf(" \"%s\" are the same. program aborted...\n", output.c_str());
    ctx_.messages.error_flag = true;
    throw RunStop{};
}

bool OutputStreams::copy_files(std::string_view header, std::string_view main, std::string_view func,
                               std::string_view out, bool append) {
    if (!ctx_.files.create(out, append)) return false;
    // The scratch texts are handed over whole: their callers remove them
    // right after.
    TempStore& temps = ctx_.files.temps;
    bool appended = true;
    const auto add = [&](std::string_view part_name, std::string_view separator) {
        std::optional<std::string> part = part_name.empty() ? std::nullopt : temps.take(part_name);
        if (!part) return;
        appended = ctx_.files.append_owned(out, std::move(*part)) && appended;
        appended = ctx_.files.append(out, separator) && appended;
    };
    add(header, "\n\n");
    add(main, "\n\n");
    add(func, "");
    if (!appended)
        ctx_.messages.log_printf("warning INTERNAL: could not close file \"%s\"\n", std::string(out).c_str());
    commit(out);
    return true;
}

void OutputStreams::commit(std::string_view name) {
    if (ctx_.files.commit(name)) return;
    ctx_.messages.log_printf("ERROR! cannot write output file \"%s\"\n", std::string(name).c_str());
    ctx_.messages.error_flag = true;
}

} // namespace xlatr
