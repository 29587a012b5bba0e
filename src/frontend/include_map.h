// The include map xlatr.inc: redirects the directories written in $INCLUDE
// paths to where the files really are, and names the directory that receives
// the C output for each source directory.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace xlatr {

class Context;

struct IncludeMapEntry {
    std::string read_dir;
    std::string out_dir;
};

class IncludeMap {
  public:
    // Reads xlatr.inc; true also when there is no such file. On a format
    // error reports it, sets the run's error flag and returns false.
    bool inc_read_map(Context& ctx);

    // A later entry for the same key replaces the earlier one.
    void inc_hash_insert(std::string key, std::string read_dir, std::string out_dir);
    const IncludeMapEntry* find(std::string_view key) const;

    // The name under which an $INCLUDE path is opened: the mapped read
    // directory and the file part, or the path unchanged. Bounded to
    // `capacity` like the fixed buffers it fills.
    std::string inc_map_path(std::string_view path, std::size_t capacity) const;

    // The mapped output directory for the directory part of `path`, or empty.
    bool inc_output_dir(std::string_view path, std::size_t capacity, std::string& out) const;

  private:
    std::map<std::string, IncludeMapEntry, std::less<>> entries_;
};

// Length of the directory part of a path: up to and including its last `:`,
// `\` or `/`; 0 when there is none.
std::size_t directory_length(std::string_view path);

} // namespace xlatr
