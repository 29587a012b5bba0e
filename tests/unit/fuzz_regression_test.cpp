// Replays every input kept in fuzz/regressions, each one that once crashed,
// hung or misbehaved under the fuzzer: the run must end with status 0 or 1
// and leave its inputs as they were, with no scratch file behind.
#include "../../fuzz/fuzz_case.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace xlatr {
namespace {

namespace fs = std::filesystem;

const fs::path source_root = fs::path(__FILE__).parent_path().parent_path().parent_path();

TEST(FuzzRegressions, EveryKeptInputEndsWithStatusZeroOrOne) {
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::directory_iterator(source_root / "fuzz" / "regressions"))
        if (entry.is_regular_file() && entry.path().filename() != "README") inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    ASSERT_FALSE(inputs.empty());
    const std::string table = fuzz::read_file(source_root / "data" / "xlatr.bf").value_or("");
    for (const fs::path& input : inputs) {
        const std::string bytes = fuzz::read_file(input).value_or("");
        ASSERT_FALSE(bytes.empty()) << input;
        testing::ScratchDir dir;
        const fuzz::FuzzCase fuzz_case = fuzz::make_case(bytes);
        const int status = fuzz::run_case(fuzz_case, dir.path(), table);
        EXPECT_TRUE(status == 0 || status == 1) << input << " ended with status " << status;
        EXPECT_EQ(fuzz::damage_after_run(fuzz_case, dir.path(), table), "") << input;
    }
}

} // namespace
} // namespace xlatr
