#include "frontend/include_map.h"

#include "driver/config.h"
#include "driver/context.h"
#include "support/strings.h"

namespace xlatr {

std::size_t directory_length(std::string_view path) {
    std::size_t last = path.find_last_of(":\\/");
    return last == std::string_view::npos ? 0 : last + 1;
}

bool IncludeMap::inc_read_map(Context& ctx) {
    entries_.clear();
    std::optional<std::string> text = ctx.files.read("xlatr.inc");
    if (!text) return true;
    CharReader file(*text);
    for (;;) {
        std::string key, read_dir, out_dir;
        if (!cfg_read_quoted(ctx, file, key, "xlatr.inc", true)) return !ctx.messages.error_flag;
        if (!cfg_read_quoted(ctx, file, read_dir, "xlatr.inc", true) ||
            !cfg_read_quoted(ctx, file, out_dir, "xlatr.inc", true)) {
            ctx.messages.log_printf("ERROR! in \"xlatr.inc\" file format\n");
            ctx.messages.error_flag = true;
            return false;
        }
        inc_hash_insert(std::move(key), std::move(read_dir), std::move(out_dir));
    }
}

void IncludeMap::inc_hash_insert(std::string key, std::string read_dir, std::string out_dir) {
    entries_.insert_or_assign(std::move(key), IncludeMapEntry{std::move(read_dir), std::move(out_dir)});
}

const IncludeMapEntry* IncludeMap::find(std::string_view key) const {
    auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : &it->second;
}

std::string IncludeMap::inc_map_path(std::string_view path, std::size_t capacity) const {
    std::size_t dir = directory_length(path);
    std::string out;
    if (const IncludeMapEntry* entry = find(path.substr(0, dir))) {
        str_n_cat(out, capacity, entry->read_dir);
        str_n_cat(out, capacity, path.substr(dir));
    } else {
        str_n_cat(out, capacity, path);
    }
    return out;
}

bool IncludeMap::inc_output_dir(std::string_view path, std::size_t capacity, std::string& out) const {
    out.clear();
    const IncludeMapEntry* entry = find(path.substr(0, directory_length(path)));
    if (!entry) return false;
    str_n_cat(out, capacity, entry->out_dir);
    return true;
}

} // namespace xlatr
