#include "support/strings.h"

#include <algorithm>

namespace xlatr {

namespace {

bool is_upper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool is_lower(char c) {
    return c >= 'a' && c <= 'z';
}
char to_upper(char c) {
    return is_lower(c) ? static_cast<char>(c - ('a' - 'A')) : c;
}

int digit_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

std::string c_strmove(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (i > 0 && name[i] == '$') continue;
        out += name[i];
    }
    return out;
}

std::string c_strmove1(std::string_view name) {
    std::string out;
    c_strmove1_buf(out, name);
    return out;
}

void c_strmove1_buf(std::string& out, std::string_view name) {
    // Written in place: the result is never longer than the name.
    out.resize(name.size());
    if (name.empty()) return;
    char* const start = out.data();
    char* next = start;
    *next++ = ascii_lower(name[0]);
    bool after_dollar = false;
    for (const char c : name.substr(1)) {
        if (c == '$') {
            after_dollar = true;
            continue;
        }
        if (is_upper(c))
            *next++ = after_dollar ? c : ascii_lower(c);
        else if (is_lower(c))
            *next++ = after_dollar ? to_upper(c) : c;
        else
            *next++ = c;
        after_dollar = false;
    }
    out.resize(static_cast<std::size_t>(next - start));
}

std::string c_str_capital(std::string_view name) {
    std::string out = c_strmove(name);
    for (char& c : out)
        c = to_upper(c);
    return out;
}

std::string num_text(long number) {
    std::string text;
    if (number > 32000) {
        text.assign(static_cast<std::size_t>(number / 32000), '_');
        number %= 32000;
    }
    return text + std::to_string(number);
}

std::string str_num_cat(std::string_view prefix, long number, std::string_view suffix) {
    std::string out(prefix);
    out += num_text(number);
    out += suffix;
    return out;
}

std::int32_t str_to_num(std::string_view text, int base, std::size_t count) {
    count = std::min(count, text.size());
    std::size_t first = 0;
    bool negative = count > 0 && text[0] == '-';
    if (negative) first = 1;
    std::uint32_t value = 0;
    std::uint32_t multiplier = 1;
    for (std::size_t i = count; i > first; --i) {
        int digit = digit_value(text[i - 1]);
        if (digit < 0) continue;
        value += static_cast<std::uint32_t>(digit) * multiplier;
        multiplier *= static_cast<std::uint32_t>(base);
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

int c_hash(std::string_view name, int size) {
    constexpr std::size_t significant = 6;
    int sum = 0;
    int weight = 1;
    for (std::size_t i = 0; i < name.size() && i < significant; ++i) {
        char c = name[i];
        if (c < '.' || c > 'z') return size - 1;
        weight *= 3;
        sum += static_cast<unsigned char>(c) * weight;
    }
    return sum % size;
}

bool same_plm_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
    }
    return true;
}

std::string ascii_lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered)
        c = ascii_lower(c);
    return lowered;
}

void capitalise_initial(std::string& name) {
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - ('a' - 'A'));
}

bool str_n_cat(std::string& buffer, std::size_t capacity, std::string_view text) {
    if (buffer.size() + text.size() >= capacity) return false;
    buffer += text;
    return true;
}

bool str_n_cat_over(std::string& buffer, std::size_t capacity, std::string_view text) {
    if (buffer.empty() || buffer.size() - 1 + text.size() >= capacity) return false;
    buffer.pop_back();
    buffer += text;
    return true;
}

} // namespace xlatr
