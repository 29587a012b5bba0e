// The file layer: every file the translator touches goes through here, so a
// run never depends on the process's current directory and never leaves a
// scratch file on disk.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace xlatr {

// A POSIX file descriptor, closed when it goes out of scope.
class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        reset(std::exchange(other.fd_, -1));
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { reset(); }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    void reset(int fd = -1) noexcept;
    // Closes now, telling whether the system reported no error.
    bool close() noexcept;

  private:
    int fd_ = -1;
};

// Writes all of `text`, retrying after interruptions; one write() call
// unless the system takes less than the whole text.
bool write_all(int fd, std::string_view text);

// Where a named file lives: on disk, or in the run's memory (the scratch
// texts that are assembled into the real outputs).
enum class Storage { disk, memory };

// Scratch texts that keep the semantics of files: one exists only after it
// was first opened, "w" empties it, "a" appends, removing it makes it vanish.
class TempStore {
  public:
    std::string& open(std::string_view name, bool write);
    // A text of this name, whenever it comes to exist, has room for `bytes`
    // at once: a large text then grows without being copied at each
    // doubling, and room it never fills costs no memory.
    void expect(std::string_view name, std::size_t bytes);
    const std::string* find(std::string_view name) const;
    std::string* find_mutable(std::string_view name);
    // Removes a text, handing it to the caller; none when it does not exist.
    std::optional<std::string> take(std::string_view name);
    bool remove(std::string_view name);
    bool empty() const { return texts_.empty(); }

  private:
    std::map<std::string, std::string, std::less<>> texts_;
    std::map<std::string, std::size_t, std::less<>> expected_sizes_;
};

class FileLayer {
  public:
    explicit FileLayer(std::filesystem::path working_dir);

    // The on-disk location of a name as the user wrote it: `\` separates
    // directories like `/`, and relative names start at the working directory.
    std::filesystem::path resolve(std::string_view name) const;

    // Whether two names reach one file: the same text, or two spellings of
    // an existing file (a directory step, a link).
    bool same_file(std::string_view a, std::string_view b) const;

    // The whole text of a regular file; none for a directory, a device or a
    // file that cannot be opened or read to its end.
    std::optional<std::string> read(std::string_view name) const;
    // The files of `name`'s directory whose names differ from its file name
    // in case only, each as the directory part of `name` followed by its
    // real file name; empty when `name` itself exists or the directory
    // cannot be listed.
    std::vector<std::string> case_variants(std::string_view name) const;
    // The same, listed also when `name` itself exists, without it.
    std::vector<std::string> other_case_variants(std::string_view name) const;
    // Real outputs are assembled in memory and reach the disk whole, so that
    // a reader (another run of a parallel build) never sees half a file.
    // create() opens with "w" (empty) or "a" (keeping the text so far, or the
    // file's content) semantics and tells whether the file could be opened:
    // its directory must take a new file and an existing file must be
    // writable. append() adds to the text of a created file; commit() writes
    // it under a unique name in the file's directory and renames that into
    // place (true when nothing was pending). An output never committed leaves
    // the disk as it was.
    bool create(std::string_view name, bool append);
    bool append(std::string_view name, std::string_view text);
    // The same, taking over a large text instead of copying it.
    bool append_owned(std::string_view name, std::string&& text);
    bool commit(std::string_view name);
    bool remove(std::string_view name) const;

    TempStore temps;

  private:
    // The location a name is written to: normalised, and through links, so
    // that two spellings of one file share one pending text.
    std::filesystem::path output_location(std::string_view name) const;
    std::filesystem::path working_dir_;
    // A pending text is kept in pieces, so that a whole scratch text joins
    // it without a copy.
    std::map<std::filesystem::path, std::vector<std::string>> pending_;
    std::uint64_t scratch_counter_ = 0;
};

} // namespace xlatr
