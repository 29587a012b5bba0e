// String rules that the generated C text depends on: the C spelling of PL/M
// names, the spelling of generated numbers, PL/M number values and the
// bounded appends whose refusal some callers rely on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace xlatr {

// Copy of a PL/M name without any `$` after the first character; case kept.
std::string c_strmove(std::string_view name);

// C spelling of a PL/M name: first letter small, `$` dropped and the letter
// after it made capital, every other capital made small.
std::string c_strmove1(std::string_view name);
// The same into a caller's buffer, which is replaced (its storage is reused).
void c_strmove1_buf(std::string& out, std::string_view name);

// Upper-case copy without any `$` after the first character.
std::string c_str_capital(std::string_view name);

// Decimal text of a generated number; above 32000 one `_` stands for each
// whole 32000, followed by the remainder.
std::string num_text(long number);

// prefix + num_text(number) + suffix.
std::string str_num_cat(std::string_view prefix, long number, std::string_view suffix = {});

// Value of the first `count` characters of `text` in `base`: digits from
// right to left, any non-digit (the `$` separator) skipped, 32-bit wrap.
std::int32_t str_to_num(std::string_view text, int base, std::size_t count);

// Bucket of a name in a table of `size` buckets: the sum of character code
// times 3 to the power (position + 1) over the first six characters, modulo
// `size`; a name with a character outside `.`..`z` among those six goes to
// the last bucket.
int c_hash(std::string_view name, int size);

// PL/M names ignore case and the `$` separator, which the C spelling turns
// into capitals (TYPE$BIT is typeBit, TYPEBIT typebit): two C spellings name
// the same PL/M name when they differ in case only.
bool same_plm_name(std::string_view a, std::string_view b);

// The ASCII lower case of `c`; every other byte stays as it is. Names and
// file names are folded by this alone, whatever the locale.
constexpr char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// `text` in ASCII lower case, as ascii_lower folds each byte.
std::string ascii_lowered(std::string_view text);

// Turns a small first letter of `name` into its capital: the C spelling of a
// name that would clash with a C name (Char, Xlat).
void capitalise_initial(std::string& name);

// Appends `text` when the result stays below `capacity` characters; returns
// false and leaves `buffer` unchanged otherwise.
bool str_n_cat(std::string& buffer, std::size_t capacity, std::string_view text);

// Like str_n_cat, but `text` replaces the last character of `buffer`.
bool str_n_cat_over(std::string& buffer, std::size_t capacity, std::string_view text);

} // namespace xlatr
