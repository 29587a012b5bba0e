#include "test_support.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <iterator>
#include <map>
#include <sstream>
#include <unistd.h>

namespace xlatr::testing {

ScratchDir::ScratchDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("xlatr_unit_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void ScratchDir::write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
}

std::string ScratchDir::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> ScratchDir::listing() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_))
        names.push_back(entry.path().lexically_relative(path_).string());
    std::sort(names.begin(), names.end());
    return names;
}

exp_list source(const std::string& text) {
    const std::map<std::string, int> codes = {
        {"AND", op_and}, {"OR", op_or},   {"NOT", op_not}, {"XOR", op_xor},   {"<", op_lt},
        {">", op_gt},    {"<=", op_le},   {">=", op_ge},   {"<>", op_ne},     {"=", op_eq},
        {"+", op_plus},  {"-", op_minus}, {"*", op_times}, {"/", op_slash},   {"MOD", op_mod},
        {"(", op_open},  {")", op_close}, {",", op_comma}, {":=", op_assign}, {"::", op_assign},
    };
    exp_list list;
    std::istringstream words(text);
    bool location = false;
    for (std::string word; words >> word;) {
        if (word == ".") {
            location = true;
        } else if (auto code = codes.find(word); code != codes.end()) {
            list = e_concat(std::move(list), e_get_op(code->second));
        } else if (word[0] >= '0' && word[0] <= '9') {
            value_node number;
            number.kind = val_decimal;
            number.number = static_cast<std::uint16_t>(std::stoul(word));
            list = e_concat(std::move(list), e_create_const(number));
        } else {
            exp_list id = e_get_id(word, {});
            id.front().loc_flag = location ? 1 : 0;
            location = false;
            list = e_concat(std::move(list), std::move(id));
        }
    }
    return list;
}

} // namespace xlatr::testing
