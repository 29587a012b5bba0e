#include "support/files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

namespace xlatr {

std::string& TempStore::open(std::string_view name, bool write) {
    auto it = texts_.find(name);
    if (it == texts_.end()) it = texts_.emplace(std::string(name), std::string()).first;
    if (write) it->second.clear();
    return it->second;
}

const std::string* TempStore::find(std::string_view name) const {
    auto it = texts_.find(name);
    return it == texts_.end() ? nullptr : &it->second;
}

bool TempStore::remove(std::string_view name) {
    auto it = texts_.find(name);
    if (it == texts_.end()) return false;
    texts_.erase(it);
    return true;
}

FileLayer::FileLayer(std::filesystem::path working_dir) : working_dir_(std::move(working_dir)) {}

std::filesystem::path FileLayer::resolve(std::string_view name) const {
    std::string native(name);
    for (char& c : native)
        if (c == '\\') c = '/';
    std::filesystem::path path(native);
    if (path.is_absolute() || working_dir_.empty()) return path;
    return working_dir_ / path;
}

bool FileLayer::same_file(std::string_view a, std::string_view b) const {
    std::error_code ec;
    return a == b || std::filesystem::equivalent(resolve(a), resolve(b), ec);
}

std::optional<std::string> FileLayer::read(std::string_view name) const {
    std::filesystem::path path = resolve(name);
    std::error_code ec;
    if (name.empty() || std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> FileLayer::case_variants(std::string_view name) const {
    std::vector<std::string> variants;
    std::error_code ec;
    const std::filesystem::path path = resolve(name);
    if (std::filesystem::exists(path, ec)) return variants;
    const std::size_t dir_length =
        name.find_last_of(":\\/") == std::string_view::npos ? 0 : name.find_last_of(":\\/") + 1;
    auto lower = [](std::string text) {
        for (char& c : text)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return text;
    };
    const std::string wanted = lower(std::string(name.substr(dir_length)));
    std::filesystem::path dir = path.parent_path();
    if (dir.empty()) dir = ".";
    for (const auto& item : std::filesystem::directory_iterator(dir, ec)) {
        const std::string file = item.path().filename().string();
        if (lower(file) == wanted && !item.is_directory(ec))
            variants.push_back(std::string(name.substr(0, dir_length)) + file);
    }
    std::sort(variants.begin(), variants.end());
    return variants;
}

bool FileLayer::create(std::string_view name, bool append) const {
    if (name.empty()) return false;
    std::ofstream out(resolve(name),
                      append ? std::ios::binary | std::ios::app : std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out);
}

bool FileLayer::append(std::string_view name, std::string_view text) const {
    if (name.empty()) return false;
    std::ofstream out(resolve(name), std::ios::binary | std::ios::app);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return static_cast<bool>(out);
}

bool FileLayer::remove(std::string_view name) const {
    std::error_code ec;
    return !name.empty() && std::filesystem::remove(resolve(name), ec);
}

} // namespace xlatr
