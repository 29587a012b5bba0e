#include "frontend/parse_arena.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xlatr {
namespace {

TEST(ParseArena, ValuesAreTakenBackInAnyOrderAndTheRestIsReleasedOnClear) {
    ParseArena arena;
    std::vector<std::string*> kept;
    for (int i = 0; i < 200; ++i)
        kept.push_back(arena.make(std::string(40, static_cast<char>('a' + i % 26))));
    std::vector<int>* numbers = arena.make(std::vector<int>{1, 2, 3});
    EXPECT_EQ(arena.size(), 201u);

    EXPECT_EQ(arena.take_value(kept[0]), std::string(40, 'a')) << "the oldest value";
    EXPECT_EQ(*arena.take(kept[199]), std::string(40, 'r')) << "a value below the newest";
    EXPECT_EQ(arena.take_value(numbers), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(arena.take(static_cast<std::string*>(nullptr)), nullptr);
    EXPECT_EQ(arena.take_value(static_cast<std::string*>(nullptr)), "");
    EXPECT_EQ(arena.keep(std::unique_ptr<std::string>()), nullptr);
    EXPECT_EQ(arena.size(), 198u);
    // The sanitizer build reports the values left here if clear() loses them.
    arena.clear();
    EXPECT_EQ(arena.size(), 0u);
    arena.make(std::string(100, 'z'));
}

} // namespace
} // namespace xlatr
