#include <gtest/gtest.h>

#include "platform/dir_exists.h"
#include "platform/file_exists.h"
#include "platform/platform_drives.h"
#include "platform/short_names.h"
#include "support/temp_tree.h"

namespace dirnal {
namespace {

TEST(PathQueries, DirExistsAndFileExistsTellFoldersFromFilesAndFromNothing)
{
    testing::TempTree tree;
    const std::string dir = tree.mkdir("a b/c");
    const std::string file = tree.touch("file.txt", "x");
    const struct {
        std::string path;
        bool directory;
        bool file;
    } cases[] = {
        {dir, true, false},
        {dir + "/", true, false},
        {dir + "//", true, false},
        {"/", true, false},
        {tree.symlink(dir, "link"), true, false},
        {file, false, true},
        {tree.symlink(file, "file-link"), false, true},
        {file + "/", false, false},
        {tree.path("missing"), false, false},
        {tree.symlink(tree.path("gone"), "dangling"), false, false},
        {"", false, false},
        {tree.root() + std::string("\0/x", 3), false, false},
        {std::string(5000, 'a'), false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DirExists(c.path), c.directory) << c.path;
        EXPECT_EQ(FileExists(c.path), c.file) << c.path;
    }
}

TEST(PathQueries, PosixHasOneNamePerPathAndNoDrives)
{
    EXPECT_EQ(ShortPathName("/home/a long name"), "/home/a long name");
    EXPECT_EQ(LongPathName("/home/x"), "/home/x");
    EXPECT_TRUE(platformDrives().driveRoots().empty());
    EXPECT_FALSE(platformDrives().remoteName("X:"));
}

}  // namespace
}  // namespace dirnal
