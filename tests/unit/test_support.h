// A run context over a fresh temporary directory, with captured console
// streams, for tests that drive one subsystem directly.
#pragma once

#include "driver/context.h"
#include "translate/expressions.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace xlatr::testing {

class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void write(const std::string& name, const std::string& text) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }
    // Every name below the folder, relative to it and sorted: a scratch
    // file left behind shows here.
    std::vector<std::string> listing() const;

  private:
    std::filesystem::path path_;
};

// A list in source order from blank-separated PL/M tokens, linked the way the
// grammar links them: names become identifiers, digits decimal constants, a
// name after "." a location, anything else the operator of that spelling
// ("::" also stands for the assignment link between targets).
exp_list source(const std::string& text);

// A context whose working directory is a scratch directory.
struct TestRun {
    ScratchDir dir;
    std::ostringstream out;
    std::ostringstream err;
    Context ctx{Environment{dir.path(), out, err}};
};

} // namespace xlatr::testing
