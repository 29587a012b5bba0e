// The configuration file xlatr.dat: where generated headers and the C file go.
#pragma once

#include <string>
#include <string_view>

namespace xlatr {

class Context;

// Reads characters of a configuration file held in memory; -1 at its end.
class CharReader {
  public:
    explicit CharReader(std::string_view text) : text_(text) {}
    int get() { return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_++]) : -1; }
    void unget() {
        if (pos_ > 0) --pos_;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

struct Config {
    std::string include_dir;
    std::string output_dir;
    // Accepted for compatibility with existing files; scratch texts never
    // reach the disk, so it has no effect.
    std::string temp_drive;
};

// Longest path accepted between the quotes.
inline constexpr std::size_t max_config_path = 246;

// Reads the next double-quoted path; false on a format error (the caller
// reports it). A path that is not empty gets a `\` when it does not end in a
// separator; an empty one stands for the current directory.
bool cfg_read_quoted(Context& ctx, CharReader& file, std::string& path, std::string_view label,
                     bool add_separator);

void cfg_read_temp_drive(CharReader& file, Config& config);

// Output directory for generated headers of the directory `name`: the include
// map's when it has an entry, else include_dir.
std::string i_include_dir(const Context& ctx, std::string_view name);

} // namespace xlatr
