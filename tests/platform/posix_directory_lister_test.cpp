#include <gtest/gtest.h>

#include <sys/stat.h>

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
}

TEST(PosixDirectoryLister, TellsMissingFromUnreadable)
{
    TempTree tree;
    const PosixDirectoryLister lister;
    EXPECT_EQ(lister.list(tree.path("missing")).status, Status::NotADirectory);
    EXPECT_EQ(lister.list(tree.touch("file")).status, Status::NotADirectory);
    EXPECT_EQ(lister.list("").status, Status::NotADirectory);

    if (testing::runningAsRoot())
        GTEST_SKIP() << "root reads every directory";
    const std::string locked = tree.mkdir("locked");
    tree.mkdir("locked/inner");
    ::chmod(locked.c_str(), 0);
    EXPECT_EQ(lister.list(locked).status, Status::Unreadable);
    EXPECT_TRUE(lister.dirExists(locked));
}

TEST(PosixDirectoryLister, WalkOfARealTreeEntersALinkCycleOnce)
{
    TempTree tree;
    tree.mkdir("a/b");
    tree.mkdir("c");
    tree.symlink(tree.path("a"), "a/b/loop");

    const PosixDirectoryLister lister;
    PathList list;
    const GenerationReport report = generateList(list, tree.root(), {}, lister);

    const std::string r = tree.root() + "/";
    EXPECT_EQ(list.entries(), (Entries{r + "a", r + "c", r + "a/b", r + "a/b/loop"}));
    EXPECT_EQ(report.cyclesSkipped, 1);
    EXPECT_EQ(report.total, 4);
}

TEST(PosixDirectoryLister, WalkCountsAnUnreadableDirectoryAndGoesOn)
{
    if (testing::runningAsRoot())
        GTEST_SKIP() << "root reads every directory";
    TempTree tree;
    tree.mkdir("locked/inner");
    tree.mkdir("open/inner");
    ::chmod(tree.path("locked").c_str(), 0);

    const PosixDirectoryLister lister;
    PathList list;
    const GenerationReport report = generateList(list, tree.root(), {}, lister);

    const std::string r = tree.root() + "/";
    EXPECT_EQ(list.entries(), (Entries{r + "locked", r + "open", r + "open/inner"}));
    EXPECT_EQ(report.unreadable, 1);
}

}  // namespace
}  // namespace dirnal

namespace dirnal {
namespace {

TEST(PosixDirectoryLister, ConcurrentWalkOfARealTreeGivesTheSequentialList)
{
    testing::TempTree tree;
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

namespace dirnal {
namespace {

TEST(PosixFaults, DeepTreesOddNamesAndBytesThatAreNotUtf8)
{
    testing::TempTree tree;
    std::string deep = tree.root();
    for (int level = 0; level < 1100; ++level) {
        deep += "/d";
        ASSERT_EQ(::mkdir(deep.c_str(), 0700), 0) << level;
    }
    tree.mkdir("zwei\nzeilen/darunter");
    const std::string raw = tree.mkdir(std::string("roh-\xff\xfe-name"));

    const PosixDirectoryLister lister;
    const GeneratedList result = walkTree(tree.root(), {}, lister);
    EXPECT_EQ(result.report.total, 1100 + 1);
    EXPECT_EQ(result.report.untakeable, 1);
    EXPECT_EQ(result.entries.back(), deep);
    EXPECT_NE(std::find(result.entries.begin(), result.entries.end(), raw), result.entries.end())
        << "a name that is not UTF-8 comes through byte for byte";
}

}  // namespace
}  // namespace dirnal
