#include "frontend/include_translation.h"

#include "declarations/directives.h"
#include "declarations/emission.h"
#include "driver/context.h"
#include "frontend/include_map.h"
#include "support/messages.h"
#include "support/strings.h"

namespace xlatr {

namespace {

constexpr int include_not_found = 26;
constexpr std::size_t include_text_capacity = 250;
constexpr const char* directive_text = "d_irect.t";

// The #include line goes into the including text as directive text, so it
// keeps the place the $INCLUDE had among the remarks.
bool print_include_line(Context& ctx, const std::string& path, std::size_t dir_length) {
    if (!ctx.output.o_push_file(directive_text, true, false, Storage::memory)) {
        ctx.messages.log_printf("ERROR! cannot open file \"%s\" in routine %s\n", directive_text,
                                "dv_include_state");
        ctx.messages.error_flag = true;
        return false;
    }
    std::string text = i_include_dir(ctx, path.substr(0, dir_length)) + path.substr(dir_length);
    if (text.size() >= include_text_capacity) text.resize(include_text_capacity - 1);
    ctx.output.printf("\n#include \"%s\"*/", text.c_str());
    ctx.output.o_pop_file();
    return ctx.remarks.r_begin_file_remark(directive_text) && ctx.remarks.r_scan_remark();
}

} // namespace

std::string i_include_output_path(const Context& ctx, const std::string& path) {
    const std::size_t dir_length = directory_length(path);
    std::string out;
    str_n_cat(out, include_text_capacity, i_include_dir(ctx, path.substr(0, dir_length)));
    str_n_cat(out, include_text_capacity, path.substr(dir_length));
    return out;
}

void dv_include_state(Context& ctx, const std::string& path) {
    const std::size_t dir_length = directory_length(path);
    if (!ctx.blocks.b_in_procedure() && !print_include_line(ctx, path, dir_length)) return;
    // With -c the files included in a region known to be false stay
    // untranslated.
    if (ctx.directives.if_state == 0 && ctx.options.cond_include_flag) return;
    s_inc_state(ctx, path);
}

bool s_inc_state(Context& ctx, const std::string& path) {
    const bool in_procedure = ctx.blocks.b_in_procedure();
    if (!in_procedure) {
        dd_flush_simple_dec(ctx, ordinary_pending);
        ctx.remarks.r_flush_remarks();
    }
    const std::string output = i_include_output_path(ctx, path);
    switch (ctx.includes.i_push_include(path, true)) {
    case IncludeStack::include_result::opened:
        break;
    case IncludeStack::include_result::missing:
        s_error(ctx, include_not_found);
        return false;
    case IncludeStack::include_result::refused:
        return false;
    }
    if (in_procedure) return true;
    if (!ctx.output.o_push_file(output, true, true, Storage::disk)) {
        // The file is read all the same, into the including file's output.
        ctx.includes.top()->owns_output = false;
        ctx.messages.log_printf("ERROR! cannot open include file \"%s\"\n", output.c_str());
        ctx.messages.error_flag = true;
        return false;
    }
    return true;
}

} // namespace xlatr
