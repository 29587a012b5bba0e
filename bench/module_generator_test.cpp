#include "module_generator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace xlatr::bench {
namespace {

TEST(ModuleGenerator, SameSeedSameModuleOtherSeedOtherModule) {
    const GeneratedModule first = generate_module(0.2, 7);
    const GeneratedModule again = generate_module(0.2, 7);
    const GeneratedModule other = generate_module(0.2, 8);
    EXPECT_EQ(first.source, again.source);
    EXPECT_EQ(first.include_text, again.include_text);
    EXPECT_NE(first.source, other.source);
}

// The figures of a size are only comparable when the line count follows the
// scale.
TEST(ModuleGenerator, LinesFollowTheScale) {
    for (double scale : {0.5, 1.0, 3.0}) {
        const GeneratedModule module = generate_module(scale, 1);
        const double target = scale * static_cast<double>(lines_per_scale);
        EXPECT_EQ(module.source_lines, count_lines(module.source));
        EXPECT_GE(static_cast<double>(module.source_lines), target * 0.99) << scale;
        EXPECT_LE(static_cast<double>(module.source_lines), target * 1.02) << scale;
    }
}

TEST(ModuleGenerator, ModuleIncludesItsIncludeFileAndCallsEveryUnit) {
    const GeneratedModule module = generate_module(0.1, 1);
    EXPECT_NE(module.source.find("$INCLUDE(INC/BENCH.LIT)"), std::string::npos);
    EXPECT_NE(module.include_text.find("LITERALLY"), std::string::npos);
    EXPECT_GT(module.units, 1);
    EXPECT_NE(module.source.find("CALL RUN$" + std::to_string(module.units - 1) + ";"), std::string::npos);
    EXPECT_TRUE(module.source.ends_with("END BENCH;\n"));
}

TEST(LongExpression, OneLineOrLinesOfBoundedLength) {
    const std::size_t bytes = 100000;
    const std::string one_line = generate_long_expression(bytes, 0);
    EXPECT_EQ(count_lines(one_line), 4);
    EXPECT_GE(one_line.size(), bytes);
    EXPECT_NE(one_line.find("X = 1 + X + X"), std::string::npos);

    const std::size_t limit = 1000;
    const std::string broken = generate_long_expression(bytes, limit);
    std::istringstream lines(broken);
    std::size_t longest = 0;
    for (std::string line; std::getline(lines, line);)
        longest = std::max(longest, line.size());
    EXPECT_LE(longest, limit + 4);
    EXPECT_GT(count_lines(broken), static_cast<long>(bytes / (limit + 4)));
}

} // namespace
} // namespace xlatr::bench
