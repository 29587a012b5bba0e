// The keyword table (PL/M keywords and compiler directive words, each with its
// token code and value) and the table of C reserved words that PL/M names may
// not keep as they are. Both are filled once at the start of a run and are
// asked for every identifier the scanner reads.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace xlatr {

// Lets the tables be asked with a string_view without building a string.
// The words are short, so a byte-wise FNV-1a beats the library's hash.
struct transparent_string_hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        std::size_t hash = 2166136261u;
        for (const char c : text)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        return hash;
    }
};

struct keyword_entry {
    int token = 0;
    int value = 0;
};

class Keywords {
  public:
    // Empties the keyword table and enters every keyword and directive word.
    bool lex_init();
    // A later entry of the same spelling replaces an earlier one.
    void lex_kwd_insert(std::string_view name, int token, int value);
    // `name` in C spelling, with "$" in front for a directive word; the
    // comparison is exact.
    bool lex_kwd_lookup(std::string_view name, int& token, int& value) const;

    // Empties the reserved-word table and enters the C reserved words.
    bool kw_init();
    void kw_insert(std::string_view name);
    // Gives a name in C spelling a capital initial when it is a C reserved
    // word, so that it cannot clash with C in the output.
    void kw_rename(std::string& name) const;

  private:
    std::unordered_map<std::string, keyword_entry, transparent_string_hash, std::equal_to<>> keywords_;
    std::unordered_set<std::string, transparent_string_hash, std::equal_to<>> reserved_;
    // No longer name is in the table, so it is not looked up.
    std::size_t longest_keyword_ = 0;
    std::size_t longest_reserved_ = 0;
};

} // namespace xlatr
