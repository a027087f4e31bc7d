// The walk under faults that a real tree can throw at it: directories that
// vanish or lock while it runs, very deep trees, names a list file cannot
// hold, and list files that are not list files.
#include <gtest/gtest.h>

#include <atomic>
#include <set>

#include "core/generator.h"
#include "core/list_file.h"
#include "support/fake_lister.h"

namespace dirnal {
namespace {

using testing::FakeLister;
using Entries = std::vector<std::string>;

// After a number of listings, some directories are gone and some locked:
// they were seen by their parent, but by the time they are listed
// themselves they cannot be.
class ChangingLister final : public DirectoryLister {
public:
    ChangingLister(const FakeLister& tree, int changeAfter, std::set<std::string> vanish, std::set<std::string> lock)
        : tree_(tree), changeAfter_(changeAfter), vanish_(std::move(vanish)), lock_(std::move(lock))
    {
    }
    bool dirExists(const std::string& path) const override { return tree_.dirExists(path); }
    DirectoryListing list(const std::string& directory) const override
    {
        if (listed_++ >= changeAfter_) {
            if (vanish_.contains(directory))
                return {};
            if (lock_.contains(directory)) {
                DirectoryListing locked;
                locked.status = DirectoryListing::Status::Unreadable;
                return locked;
            }
        }
        return tree_.list(directory);
    }

private:
    const FakeLister& tree_;
    const int changeAfter_;
    const std::set<std::string> vanish_;
    const std::set<std::string> lock_;
    mutable std::atomic<int> listed_{0};
};

TEST(Faults, DirectoriesThatVanishOrLockDuringTheWalkStayUnexpanded)
{
    FakeLister tree(PathStyle::Posix);
    for (const std::string a : {"a", "b", "c"}) {
        tree.addChild("/r", a);
        for (const std::string b : {"x", "y"}) {
            tree.addChild("/r/" + a, b);
            tree.addChild("/r/" + a + "/" + b, "leaf");
        }
    }
    for (int pool : {1, 16}) {
        const ChangingLister changing(tree, 1, {"/r/b", "/r/c/y"}, {"/r/a/x"});
        WalkOptions options;
        options.concurrentListings = pool;
        const GeneratedList result = walkTree("/r", {}, changing, options);
        EXPECT_EQ(result.entries, (Entries{"/r/a", "/r/b", "/r/c", "/r/a/x", "/r/a/y", "/r/c/x", "/r/c/y",
                                           "/r/a/y/leaf", "/r/c/x/leaf"}))
            << pool;
        EXPECT_EQ(result.report.unreadable, 1) << pool;
    }
}

TEST(Faults, ATreeThousandsOfLevelsDeepIsWalkedWithoutRecursion)
{
    FakeLister tree(PathStyle::Posix);
    std::string path = "/deep";
    for (int level = 0; level < 1000; ++level) {
        tree.addChild(path, "d");
        path += "/d";
    }
    tree.addLink(path, "up", "/deep");  // and a cycle at the very bottom
    const GeneratedList result = walkTree("/deep", {}, tree);
    EXPECT_EQ(result.report.total, 1001);
    EXPECT_EQ(result.entries.back(), path + "/up");
    EXPECT_EQ(result.report.cyclesSkipped, 1);
}

TEST(Faults, NamesWithLineBreaksAreLeftOutAndCounted)
{
    FakeLister tree(PathStyle::Posix);
    tree.addChild("/r", "gut");
    tree.addChild("/r", "zwei\nzeilen");
    tree.addChild("/r/zwei\nzeilen", "darunter");
    tree.addChild("/r/gut", "wagen\rruecklauf");
    const GeneratedList result = walkTree("/r", {}, tree);
    EXPECT_EQ(result.entries, Entries{"/r/gut"});
    EXPECT_EQ(result.report.untakeable, 2);
    EXPECT_EQ(decodeListFile(encodeListFile(result.entries), 10).entries, result.entries)
        << "the file stays a list file";
}

TEST(Faults, AHugeLineIsLeftOutWithoutHarmToTheLinesAround)
{
    const std::string hugeLine(2 * 1024 * 1024, 'a');
    const DecodedListFile file = decodeListFile("C:\\a\r\n" + hugeLine + "\r\nC:\\ok\r\n", PathList::kMaxEntries);
    EXPECT_EQ(file.entries, (Entries{"C:\\a", "C:\\ok"}));
    EXPECT_EQ(file.linesTooLong, 1);
}

}  // namespace
}  // namespace dirnal
