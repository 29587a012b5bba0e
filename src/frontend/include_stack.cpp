#include "frontend/include_stack.h"

#include "frontend/include_translation.h"

#include "driver/context.h"
#include "support/messages.h"

#include <algorithm>

namespace xlatr {

bool IncludeStack::i_push_file(std::string_view name, bool is_macro, bool owns_output) {
    std::optional<std::string> text = ctx_.files.read(name);
    if (!text) return false;
    refuse_non_text(name, *text);
    include_record record;
    record.name = std::string(name);
    record.text = std::move(*text);
    record.is_macro = is_macro;
    record.owns_output = owns_output;
    // A file read again (an include in a macro text used many times) is
    // kept once: every output opened is compared with each name.
    const bool first_read =
        !is_macro && std::find(inputs_read_.begin(), inputs_read_.end(), record.name) == inputs_read_.end();
    if (first_read) inputs_read_.push_back(record.name);
    push(std::move(record), first_read);
    return true;
}

// A binary file, or one with a line of megabytes, would only yield a flood
// of syntax errors or a translation that takes minutes: the run ends at once.
void IncludeStack::refuse_non_text(std::string_view name, std::string_view text) {
    auto line_of = [text](std::size_t position) {
        return 1 + static_cast<int>(
                       std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
    };
    if (std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
        s_fatal_not_text(ctx_, name, line_of(nul));
        throw RunStop{};
    }
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        if (end - start > line_length_limit) {
            s_fatal_line_too_long(ctx_, name, line_of(start), line_length_limit);
            throw RunStop{};
        }
        start = end + 1;
    }
}

IncludeStack::include_result IncludeStack::i_push_include(const std::string& path, bool owns_output) {
    constexpr std::size_t path_capacity = 250;
    std::string name = ctx_.include_map.inc_map_path(path, path_capacity);
    std::vector<std::string> variants = ctx_.files.case_variants(name);
    // The file of this very name may be where the include's C text goes,
    // written by an earlier run (INC1.LIT gives inc1.lit beside it): the
    // include is then read from its own spelling, never from that output.
    if (variants.empty() && ctx_.files.same_file(name, i_include_output_path(ctx_, path)))
        variants = ctx_.files.other_case_variants(name);
    if (variants.size() > 1) {
        s_fatal_include_ambiguous(ctx_, path, variants);
        return include_result::refused;
    }
    if (variants.size() == 1) name = variants.front();
    if (i_reading_file(name)) {
        s_fatal_include_cycle(ctx_, path);
        return include_result::refused;
    }
    return i_push_file(name, false, owns_output) ? include_result::opened : include_result::missing;
}

void IncludeStack::i_push_text(std::string name, std::string text, bool is_macro) {
    include_record record;
    record.name = std::move(name);
    record.text = std::move(text);
    record.is_macro = is_macro;
    const bool first_read = !is_macro;
    push(std::move(record), first_read);
}

void IncludeStack::push(include_record record, bool first_read) {
    if (first_read) file_bytes_ += record.text.size();
    read_bytes_ += record.text.size();
    if (read_bytes_ > read_budget()) {
        s_fatal_read_too_long(ctx_, record.name, read_budget());
        throw RunStop{};
    }
    record.line = ctx_.s_current_line();
    const bool is_macro = record.is_macro;
    if (is_macro) {
        ++expanding_[record.name];
    } else {
        ctx_.s_set_line(1);
        file_levels_.push_back(stack_.size());
    }
    stack_.push_back(std::move(record));
    // A macro text changes neither the file being read nor the output, so
    // only files are compared (each comparison asks the file system).
    if (!is_macro) ctx_.output.o_check_same_file();
}

bool IncludeStack::i_pop_file() {
    if (stack_.empty()) return false;
    include_record record = std::move(stack_.back());
    stack_.pop_back();
    if (record.is_macro) {
        auto open = expanding_.find(record.name);
        if (--open->second == 0) expanding_.erase(open);
    } else {
        file_levels_.pop_back();
        if (!stack_.empty()) ctx_.s_set_line(record.line);
    }
    // Inside a procedure an included file's text went to the procedure's
    // output; it has no output file of its own to close.
    if (record.owns_output && !ctx_.blocks.b_in_procedure()) ctx_.output.o_pop_file();
    last_name_ = std::move(record.name);
    if (stack_.empty()) return false;
    if (!record.is_macro) ctx_.output.o_check_same_file();
    return true;
}

bool IncludeStack::i_expanding(std::string_view name) const {
    return expanding_.find(name) != expanding_.end();
}

bool IncludeStack::i_reading_file(std::string_view name) const {
    for (std::size_t level : file_levels_)
        if (ctx_.files.same_file(stack_[level].name, name)) return true;
    return false;
}

const std::string* IncludeStack::i_input_same_as(std::string_view output) const {
    for (const std::string& input : inputs_read_)
        if (ctx_.files.same_file(input, output)) return &input;
    return nullptr;
}

const char* IncludeStack::i_current_file_name() const {
    if (!file_levels_.empty()) return stack_[file_levels_.back()].name.c_str();
    return last_name_ ? last_name_->c_str() : nullptr;
}

} // namespace xlatr
