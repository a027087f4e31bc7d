#include <gtest/gtest.h>

#include "platform/dir_exists.h"
#include "support/temp_tree.h"

namespace dirnal {
namespace {

using testing::TempTree;

TEST(DirExists, TrueForDirectoriesWithOrWithoutTrailingSeparator)
{
    TempTree tree;
    const std::string dir = tree.mkdir("a b/c");
    EXPECT_TRUE(DirExists(dir));
    EXPECT_TRUE(DirExists(dir + "/"));
    EXPECT_TRUE(DirExists(dir + "//"));
    EXPECT_TRUE(DirExists("/"));
    EXPECT_TRUE(DirExists(tree.symlink(dir, "link")));
}

TEST(DirExists, FalseForFilesMissingEmptyAndMalformedPaths)
{
    TempTree tree;
    const std::string file = tree.touch("file.txt", "x");
    EXPECT_FALSE(DirExists(file));
    EXPECT_FALSE(DirExists(file + "/"));
    EXPECT_FALSE(DirExists(tree.path("missing")));
    EXPECT_FALSE(DirExists(""));
    EXPECT_FALSE(DirExists(tree.root() + std::string("\0/x", 3)));
    EXPECT_FALSE(DirExists(std::string(5000, 'a')));
    EXPECT_FALSE(DirExists(tree.symlink(tree.path("gone"), "dangling")));

    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(tree.root()));
    EXPECT_FALSE(FileExists(""));
}

}  // namespace
}  // namespace dirnal
