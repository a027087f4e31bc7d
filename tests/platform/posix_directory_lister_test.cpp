#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

#include "core/generator.h"
#include "platform/posix_directory_lister.h"
#include "support/temp_tree.h"

namespace dirnal {
namespace {

using testing::TempTree;
using Entries = std::vector<std::string>;
using Status = DirectoryListing::Status;

TEST(PosixDirectoryLister, ListsSubdirectoriesInDisplayOrderAsFullPaths)
{
    TempTree tree;
    for (const char* name : {"beta", "Alpha", "alpha", "gamma dir", "Ärger", "zulu"})
        tree.mkdir(name);
    tree.touch("afile");
    tree.mkdir(".hidden");
    tree.symlink(tree.path("zulu"), "link-to-zulu");
    tree.symlink(tree.path("nowhere"), "dangling");

    const PosixDirectoryLister lister;
    const DirectoryListing listing = lister.list(tree.root());

    ASSERT_EQ(listing.status, Status::Listed);
    const std::string r = tree.root() + "/";
    EXPECT_EQ(listing.subdirectories,
              (Entries{r + "Alpha", r + "alpha", r + "beta", r + "gamma dir", r + "link-to-zulu", r + "zulu",
                       r + "Ärger"}));
    EXPECT_EQ(listing.throughLink, (std::vector<char>{0, 0, 0, 0, 1, 0, 0}));
    EXPECT_TRUE(lister.identityOf(r + "zulu").has_value());
    EXPECT_EQ(lister.identityOf(r + "link-to-zulu"), lister.identityOf(r + "zulu"));
    EXPECT_NE(lister.identityOf(r + "beta"), lister.identityOf(r + "zulu"));
    EXPECT_FALSE(lister.identityOf(r + "missing").has_value());

    // A trailing separator on the directory does not double the separator.
    EXPECT_EQ(lister.list(tree.root() + "/").subdirectories, listing.subdirectories);
    for (const std::string& notADirectory : {r + "missing", r + "afile", r + "dangling", std::string()})
        EXPECT_EQ(lister.list(notADirectory).status, Status::NotADirectory) << notADirectory;
}

TEST(PosixDirectoryLister, WalkOfARealTreeGetsPastCyclesDepthOddNamesAndUnreadableFolders)
{
    TempTree tree;
    std::string deep = tree.mkdir("tief");
    for (int level = 0; level < 1000; ++level) {
        deep += "/d";
        ASSERT_EQ(::mkdir(deep.c_str(), 0700), 0) << level;
    }
    tree.mkdir("a/b");
    tree.symlink(tree.path("a"), "a/b/loop");
    tree.mkdir("zwei\nzeilen/darunter");
    const std::string raw = tree.mkdir(std::string("roh-\xff\xfe-name"));
    const std::string locked = tree.mkdir("locked/inner");
    ::chmod(tree.path("locked").c_str(), 0);

    const PosixDirectoryLister lister;
    const GeneratedList result = walkTree(tree.root(), {}, lister);
    const std::string r = tree.root() + "/";
    const auto listed = [&](const std::string& path) {
        return std::find(result.entries.begin(), result.entries.end(), path) != result.entries.end();
    };
    EXPECT_TRUE(listed(r + "a/b/loop"));
    EXPECT_EQ(result.report.cyclesSkipped, 1) << "the link back is entered once, not followed";
    EXPECT_EQ(result.report.untakeable, 1) << "a name with a line break is left out and counted";
    EXPECT_TRUE(listed(raw)) << "a name that is not UTF-8 comes through byte for byte";
    EXPECT_EQ(result.entries.back(), deep);
    EXPECT_TRUE(listed(r + "locked"));
    const bool unreadable = !testing::runningAsRoot();  // root reads every folder
    EXPECT_EQ(lister.list(r + "locked").status, unreadable ? Status::Unreadable : Status::Listed);
    EXPECT_TRUE(lister.dirExists(r + "locked"));
    EXPECT_EQ(listed(locked), !unreadable);
    EXPECT_EQ(result.report.unreadable, unreadable ? 1 : 0);
    // a, a/b, a/b/loop; tief and its levels; the raw name; locked, and its
    // inner folder where it can be read.
    EXPECT_EQ(result.report.total, 3 + 1001 + 1 + (unreadable ? 1 : 2));
}

TEST(PosixDirectoryLister, ConcurrentWalkOfARealTreeGivesTheSequentialList)
{
    TempTree tree;
    for (int a = 0; a < 6; ++a)
        for (int b = 0; b < 5; ++b)
            for (int c = 0; c < 4; ++c)
                tree.mkdir("P" + std::to_string(a) + "/t" + std::to_string(b) + "/V" + std::to_string(c));
    tree.symlink(tree.path("P1"), "P2/t3/zurueck");
    const PosixDirectoryLister lister;
    WalkOptions sequential;
    sequential.concurrentListings = 1;
    const GeneratedList expected = walkTree(tree.root(), {}, lister, sequential);
    EXPECT_EQ(expected.report.total, 6 + 30 + 120 + 1 + 5 + 20);
    for (int pool : {2, 16, 64}) {
        WalkOptions options;
        options.concurrentListings = pool;
        const GeneratedList actual = walkTree(tree.root(), {}, lister, options);
        EXPECT_EQ(actual.entries, expected.entries) << pool;
        EXPECT_EQ(actual.report.total, expected.report.total) << pool;
    }
}

}  // namespace
}  // namespace dirnal
