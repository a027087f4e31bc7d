// The walk under faults that a real tree can throw at it: directories that
// vanish or lock while it runs, and names a list file cannot hold.
#include <gtest/gtest.h>

#include <atomic>
#include <set>

#include "core/generator.h"
#include "support/fake_lister.h"

namespace dirnal {
namespace {

using testing::FakeLister;
using Entries = std::vector<std::string>;

// After the first listing some directories are gone and some locked:
// they were seen by their parent, but cannot be listed themselves.
struct ChangingLister final : DirectoryLister {
    ChangingLister(const FakeLister& fake, std::set<std::string> gone, std::set<std::string> locked)
        : tree(fake), vanish(std::move(gone)), lock(std::move(locked))
    {
    }
    bool dirExists(const std::string& path) const override { return tree.dirExists(path); }
    DirectoryListing list(const std::string& directory) const override
    {
        if (listed++ == 0 || !(vanish.contains(directory) || lock.contains(directory)))
            return tree.list(directory);
        DirectoryListing gone;  // NotADirectory
        if (lock.contains(directory))
            gone.status = DirectoryListing::Status::Unreadable;
        return gone;
    }
    const FakeLister& tree;
    const std::set<std::string> vanish, lock;
    mutable std::atomic<int> listed{0};
};

TEST(Faults, DirectoriesThatVanishOrLockDuringTheWalkStayUnexpanded)
{
    FakeLister tree(PathStyle::Posix);
    for (const std::string a : {"/r/a", "/r/b", "/r/c"})
        tree.addPaths({a, a + "/x", a + "/x/leaf", a + "/y", a + "/y/leaf"});
    for (int pool : {1, 16}) {
        const ChangingLister changing(tree, {"/r/b", "/r/c/y"}, {"/r/a/x"});
        WalkOptions options;
        options.concurrentListings = pool;
        const GeneratedList result = walkTree("/r", {}, changing, options);
        EXPECT_EQ(result.entries, (Entries{"/r/a", "/r/b", "/r/c", "/r/a/x", "/r/a/y", "/r/c/x", "/r/c/y",
                                           "/r/a/y/leaf", "/r/c/x/leaf"}))
            << pool;
        EXPECT_EQ(result.report.unreadable, 1) << pool;
    }
}

TEST(Faults, NamesWithLineBreaksAreLeftOutAndCounted)
{
    FakeLister tree(PathStyle::Posix);
    tree.addPaths({"/r/gut", "/r/zwei\nzeilen", "/r/zwei\nzeilen/darunter", "/r/gut/wagen\rruecklauf"});
    const GeneratedList result = walkTree("/r", {}, tree);
    EXPECT_EQ(result.entries, Entries{"/r/gut"});
    EXPECT_EQ(result.report.withLineBreaks, 2);
}

}  // namespace
}  // namespace dirnal
