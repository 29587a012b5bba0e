#include "support/files.h"
#include "support/strings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>

namespace xlatr {

void UniqueFd::reset(int fd) noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
}

bool UniqueFd::close() noexcept {
    const int fd = std::exchange(fd_, -1);
    return fd >= 0 && ::close(fd) == 0;
}

bool write_all(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

namespace {

std::optional<std::string> read_regular_file(const std::filesystem::path& path) {
    // Not blocking keeps a FIFO without a writer from stopping the run; it is
    // refused below like every file that is not a regular one.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!fd || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    std::string text;
    text.reserve(static_cast<std::size_t>(status.st_size));
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer.data(), buffer.size());
        if (got == 0) return text;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        text.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

// A file under a fresh name beside an output, removed when it goes out of
// scope unless it was renamed into place: no way out of a run (a stop, an
// exception, exhausted memory) leaves it behind.
class ScratchFile {
  public:
    // Tries a few names; none when the directory takes no new file.
    static std::optional<ScratchFile> create(const std::filesystem::path& target, std::uint64_t& counter) {
        constexpr int attempts = 100;
        constexpr std::size_t kept_name_length = 100;
        std::string stem(1, '.');
        stem += target.filename().string().substr(0, kept_name_length);
        stem += ".xlatr-";
        stem += std::to_string(::getpid());
        stem += '-';
        for (int attempt = 0; attempt < attempts; ++attempt) {
            std::filesystem::path path = target.parent_path() / (stem + std::to_string(++counter));
            UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (fd) return std::optional<ScratchFile>(std::in_place, std::move(path), std::move(fd));
            if (errno != EEXIST) break;
        }
        return std::nullopt;
    }

    ScratchFile(std::filesystem::path path, UniqueFd fd) : path_(std::move(path)), fd_(std::move(fd)) {}
    ScratchFile(ScratchFile&& other) noexcept
        : path_(std::exchange(other.path_, {})), fd_(std::move(other.fd_)) {}
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ScratchFile& operator=(ScratchFile&&) = delete;
    ~ScratchFile() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }

    // Writes `pieces`, closes the file and puts it in the place of `target`.
    bool replace(const std::filesystem::path& target, const std::vector<std::string>& pieces) {
        // A file that is replaced keeps its permissions, as it would when
        // rewritten in place.
        struct stat status {};
        if (::stat(target.c_str(), &status) == 0 && ::fchmod(fd_.get(), status.st_mode & 07777) != 0)
            return false;
        for (const std::string& piece : pieces)
            if (!write_all(fd_.get(), piece)) return false;
        if (!fd_.close()) return false;
        if (::rename(path_.c_str(), target.c_str()) != 0) return false;
        path_.clear();
        return true;
    }

  private:
    std::filesystem::path path_;
    UniqueFd fd_;
};

// Short texts are gathered into pieces of at least this size; a longer one
// becomes a piece of its own.
constexpr std::size_t piece_size = 65536;

void add_piece(std::vector<std::string>& pieces, std::string_view text) {
    if (pieces.empty() || pieces.back().size() >= piece_size) pieces.emplace_back();
    pieces.back() += text;
}

} // namespace

std::string& TempStore::open(std::string_view name, bool write) {
    auto it = texts_.find(name);
    if (it == texts_.end()) {
        it = texts_.emplace(std::string(name), std::string()).first;
        if (auto expected = expected_sizes_.find(name); expected != expected_sizes_.end())
            it->second.reserve(expected->second);
    }
    if (write) it->second.clear();
    return it->second;
}

void TempStore::expect(std::string_view name, std::size_t bytes) {
    expected_sizes_.insert_or_assign(std::string(name), bytes);
}

const std::string* TempStore::find(std::string_view name) const {
    auto it = texts_.find(name);
    return it == texts_.end() ? nullptr : &it->second;
}

std::string* TempStore::find_mutable(std::string_view name) {
    auto it = texts_.find(name);
    return it == texts_.end() ? nullptr : &it->second;
}

std::optional<std::string> TempStore::take(std::string_view name) {
    auto it = texts_.find(name);
    if (it == texts_.end()) return std::nullopt;
    std::optional<std::string> text(std::move(it->second));
    texts_.erase(it);
    return text;
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
    if (name.empty()) return std::nullopt;
    return read_regular_file(resolve(name));
}

std::vector<std::string> FileLayer::case_variants(std::string_view name) const {
    std::error_code ec;
    if (std::filesystem::exists(resolve(name), ec)) return {};
    return other_case_variants(name);
}

std::vector<std::string> FileLayer::other_case_variants(std::string_view name) const {
    std::vector<std::string> variants;
    std::error_code ec;
    const std::filesystem::path path = resolve(name);
    const std::size_t dir_length =
        name.find_last_of(":\\/") == std::string_view::npos ? 0 : name.find_last_of(":\\/") + 1;
    const std::string wanted = ascii_lowered(name.substr(dir_length));
    std::filesystem::path dir = path.parent_path();
    if (dir.empty()) dir = ".";
    for (const auto& item : std::filesystem::directory_iterator(dir, ec)) {
        const std::string file = item.path().filename().string();
        if (ascii_lowered(file) == wanted && file != name.substr(dir_length) && !item.is_directory(ec))
            variants.push_back(std::string(name.substr(0, dir_length)) + file);
    }
    std::sort(variants.begin(), variants.end());
    return variants;
}

std::filesystem::path FileLayer::output_location(std::string_view name) const {
    const std::filesystem::path path = resolve(name);
    std::error_code ec;
    std::filesystem::path location = std::filesystem::weakly_canonical(path, ec);
    return ec ? path.lexically_normal() : location;
}

bool FileLayer::create(std::string_view name, bool append) {
    if (name.empty()) return false;
    std::filesystem::path target = output_location(name);
    if (auto pending = pending_.find(target); pending != pending_.end()) {
        if (!append) pending->second.clear();
        return true;
    }
    // Only a regular file is ever replaced; one that its owner protected
    // stays protected.
    struct stat status {};
    const bool exists = ::stat(target.c_str(), &status) == 0;
    if (exists && (!S_ISREG(status.st_mode) || ::access(target.c_str(), W_OK) != 0)) return false;
    // The text will arrive under a new name in this directory: it must take one.
    if (!ScratchFile::create(target, scratch_counter_)) return false;
    std::vector<std::string> pieces;
    if (append && exists) {
        std::optional<std::string> content = read_regular_file(target);
        if (!content) return false;
        pieces.push_back(std::move(*content));
    }
    pending_.emplace(std::move(target), std::move(pieces));
    return true;
}

bool FileLayer::append(std::string_view name, std::string_view text) {
    if (name.empty()) return false;
    auto pending = pending_.find(output_location(name));
    if (pending == pending_.end()) return false;
    add_piece(pending->second, text);
    return true;
}

bool FileLayer::append_owned(std::string_view name, std::string&& text) {
    if (text.size() < piece_size) return append(name, std::string_view(text));
    if (name.empty()) return false;
    auto pending = pending_.find(output_location(name));
    if (pending == pending_.end()) return false;
    pending->second.push_back(std::move(text));
    return true;
}

bool FileLayer::commit(std::string_view name) {
    if (name.empty()) return true;
    auto pending = pending_.extract(output_location(name));
    if (pending.empty()) return true;
    std::optional<ScratchFile> scratch = ScratchFile::create(pending.key(), scratch_counter_);
    return scratch && scratch->replace(pending.key(), pending.mapped());
}

bool FileLayer::remove(std::string_view name) const {
    std::error_code ec;
    return !name.empty() && std::filesystem::remove(resolve(name), ec);
}

} // namespace xlatr
