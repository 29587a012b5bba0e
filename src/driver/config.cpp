#include "driver/config.h"

#include "driver/context.h"

namespace xlatr {

namespace {

void skip_line(CharReader& file) {
    for (int c = file.get(); c != -1 && c != '\n'; c = file.get()) {
    }
}

bool is_separator(char c) {
    return c == '\\' || c == '/' || c == ':';
}

bool is_space(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

bool cfg_read_quoted(Context& ctx, CharReader& file, std::string& path, std::string_view label,
                     bool add_separator) {
    int c = file.get();
    while (c == '\n')
        c = file.get();
    while (c != '"') {
        if (c == -1) return false;
        if (c == ';') skip_line(file);
        c = file.get();
    }
    path.clear();
    for (c = file.get(); c != -1 && c != '"'; c = file.get()) {
        if (path.size() == max_config_path) {
            ctx.messages.log_printf("%s: ERROR! include files path name is too long\n",
                                    std::string(label).c_str());
            ctx.messages.error_flag = true;
            return false;
        }
        path += static_cast<char>(c);
    }
    if (add_separator && !path.empty() && !is_separator(path.back())) path += '\\';
    return true;
}

void cfg_read_temp_drive(CharReader& file, Config& config) {
    for (;;) {
        int c = file.get();
        while (is_space(c))
            c = file.get();
        if (c == -1) return;
        if (c == ';') {
            skip_line(file);
            continue;
        }
        std::string word;
        for (; c != -1 && !is_space(c); c = file.get())
            word += static_cast<char>(c);
        config.temp_drive = word;
        return;
    }
}

std::string i_include_dir(const Context& ctx, std::string_view name) {
    if (const IncludeMapEntry* entry = ctx.include_map.find(name)) return entry->out_dir;
    return ctx.config.include_dir;
}

} // namespace xlatr
