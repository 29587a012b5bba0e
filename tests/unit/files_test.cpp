#include "support/files.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace xlatr {
namespace {

using testing::ScratchDir;
namespace fs = std::filesystem;

TEST(OutputFiles, TheTextReachesTheDiskWholeAtCommitUnderItsOwnName) {
    ScratchDir dir;
    FileLayer files(dir.path());
    dir.write("prog.c", "old text\n");
    ASSERT_TRUE(files.create("prog.c", false));
    EXPECT_TRUE(files.append("prog.c", "#include\n"));
    EXPECT_TRUE(files.append("prog.c", "main\n"));
    EXPECT_EQ(dir.read("prog.c"), "old text\n");
    EXPECT_TRUE(files.commit("prog.c"));
    EXPECT_EQ(dir.read("prog.c"), "#include\nmain\n");
    EXPECT_EQ(dir.listing(), std::vector<std::string>{"prog.c"});
    // Committed means closed: nothing more is pending or may be appended.
    EXPECT_TRUE(files.commit("prog.c"));
    EXPECT_FALSE(files.append("prog.c", "late"));
    EXPECT_EQ(dir.read("prog.c"), "#include\nmain\n");
}

TEST(OutputFiles, LargeTextsTakenOverKeepTheirPlaceAmongShortAppends) {
    ScratchDir dir;
    FileLayer files(dir.path());
    const std::string large(200000, 'x');
    ASSERT_TRUE(files.create("big.c", false));
    EXPECT_TRUE(files.append("big.c", "head\n"));
    EXPECT_TRUE(files.append_owned("big.c", std::string(large)));
    EXPECT_TRUE(files.append("big.c", "\n\n"));
    EXPECT_TRUE(files.append_owned("big.c", "short"));
    EXPECT_TRUE(files.append("big.c", std::string(70000, 'y')));
    EXPECT_FALSE(files.append_owned("other.c", "never created"));
    EXPECT_TRUE(files.commit("big.c"));
    EXPECT_EQ(dir.read("big.c"), "head\n" + large + "\n\nshort" + std::string(70000, 'y'));
}

TEST(OutputFiles, AppendModeContinuesAndWriteModeEmptiesWhateverTheSpelling) {
    ScratchDir dir;
    FileLayer files(dir.path());
    fs::create_directory(dir.path() / "gen");
    dir.write("gen/defs.c", "on disk\n");
    ASSERT_TRUE(files.create("gen/defs.c", true));
    EXPECT_TRUE(files.append("gen\\defs.c", "one\n"));
    ASSERT_TRUE(files.create("./gen/../gen/defs.c", true));
    EXPECT_TRUE(files.append("gen/defs.c", "two\n"));
    EXPECT_TRUE(files.commit("gen/./defs.c"));
    EXPECT_EQ(dir.read("gen/defs.c"), "on disk\none\ntwo\n");

    ASSERT_TRUE(files.create("gen/defs.c", true));
    EXPECT_TRUE(files.append("gen/defs.c", "three\n"));
    ASSERT_TRUE(files.create("gen/defs.c", false));
    EXPECT_TRUE(files.append("gen/defs.c", "four\n"));
    EXPECT_TRUE(files.commit("gen/defs.c"));
    EXPECT_EQ(dir.read("gen/defs.c"), "four\n");
}

TEST(OutputFiles, AnOutputNeverCommittedLeavesTheDiskAsItWas) {
    ScratchDir dir;
    dir.write("prog.c", "complete\n");
    {
        FileLayer files(dir.path());
        ASSERT_TRUE(files.create("prog.c", false));
        ASSERT_TRUE(files.create("new.c", false));
        files.append("prog.c", "half");
    }
    EXPECT_EQ(dir.read("prog.c"), "complete\n");
    EXPECT_EQ(dir.listing(), std::vector<std::string>{"prog.c"});
}

TEST(OutputFiles, APlaceThatTakesNoFileIsRefusedWhenOpened) {
    ScratchDir dir;
    FileLayer files(dir.path());
    dir.write("plain", "a file, not a directory\n");
    fs::create_directory(dir.path() / "gen");
    EXPECT_FALSE(files.create("plain/prog.c", false));
    EXPECT_FALSE(files.create("missing/prog.c", false));
    EXPECT_FALSE(files.create("gen", false));
    EXPECT_FALSE(files.create("", false));
    EXPECT_FALSE(files.append("plain/prog.c", "text"));
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"gen", "plain"}));
}

TEST(OutputFiles, ACommitIntoADirectoryThatWentAwayFailsAndLeavesNothing) {
    ScratchDir dir;
    FileLayer files(dir.path());
    fs::create_directory(dir.path() / "gen");
    ASSERT_TRUE(files.create("gen/prog.c", false));
    files.append("gen/prog.c", "text");
    fs::remove(dir.path() / "gen");
    EXPECT_FALSE(files.commit("gen/prog.c"));
    EXPECT_TRUE(dir.listing().empty());
}

TEST(OutputFiles, AReplacedFileKeepsItsPermissionsAndALinkKeepsPointingAtIt) {
    ScratchDir dir;
    FileLayer files(dir.path());
    dir.write("real.c", "old\n");
    fs::permissions(dir.path() / "real.c",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.c", dir.path() / "link.c");
    ASSERT_TRUE(files.create("link.c", false));
    files.append("link.c", "new\n");
    ASSERT_TRUE(files.commit("link.c"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.c"));
    EXPECT_EQ(dir.read("real.c"), "new\n");
    EXPECT_EQ(fs::status(dir.path() / "real.c").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"link.c", "real.c"}));
}

TEST(InputFiles, OnlyARegularFileReadToItsEndHasAText) {
    ScratchDir dir;
    FileLayer files(dir.path());
    dir.write("prog.plm", std::string("A\0B", 3));
    EXPECT_EQ(files.read("prog.plm"), std::string("A\0B", 3));
    fs::create_directory(dir.path() / "src.plm");
    EXPECT_EQ(files.read("src.plm"), std::nullopt);
    EXPECT_EQ(files.read("missing.plm"), std::nullopt);
    // A pipe without a writer would block an ordinary open.
    ASSERT_EQ(::mkfifo((dir.path() / "pipe.plm").c_str(), 0600), 0);
    EXPECT_EQ(files.read("pipe.plm"), std::nullopt);
    // Opens, then fails when read: the process's memory at address 0.
    EXPECT_EQ(files.read("/proc/self/mem"), std::nullopt);
}

} // namespace
} // namespace xlatr
