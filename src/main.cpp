#include "driver/run.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    std::error_code ec;
    return xlatr::run(args, xlatr::Environment{std::filesystem::current_path(ec), std::cout, std::cerr});
}
