// The file layer: every file the translator touches goes through here, so a
// run never depends on the process's current directory and never leaves a
// scratch file on disk.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xlatr {

// Where a named file lives: on disk, or in the run's memory (the scratch
// texts that are assembled into the real outputs).
enum class Storage { disk, memory };

// Scratch texts that keep the semantics of files: one exists only after it
// was first opened, "w" empties it, "a" appends, removing it makes it vanish.
class TempStore {
  public:
    std::string& open(std::string_view name, bool write);
    const std::string* find(std::string_view name) const;
    bool remove(std::string_view name);
    bool empty() const { return texts_.empty(); }

  private:
    std::map<std::string, std::string, std::less<>> texts_;
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

    std::optional<std::string> read(std::string_view name) const;
    // The files of `name`'s directory whose names differ from its file name
    // in case only, each as the directory part of `name` followed by its
    // real file name; empty when `name` itself exists or the directory
    // cannot be listed.
    std::vector<std::string> case_variants(std::string_view name) const;
    // Opens with "w" (truncating) or "a" semantics and closes again; tells
    // whether the file could be opened.
    bool create(std::string_view name, bool append) const;
    bool append(std::string_view name, std::string_view text) const;
    bool remove(std::string_view name) const;

    TempStore temps;

  private:
    std::filesystem::path working_dir_;
};

} // namespace xlatr
