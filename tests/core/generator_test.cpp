// The level-order walk: its order, links back to an ancestor, the list's limit, any number of listings at once,
// and folders that vanish or lock while it runs.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <set>
#include <thread>
#include <tuple>

#include "core/generator.h"
#include "support/fake_lister.h"

namespace dirnal {
namespace {

using testing::FakeLister;
using Entries = std::vector<std::string>;
using Status = DirectoryListing::Status;

TEST(Generator, WalksLevelByLevelInDisplayOrderAndKeepsRetainedEntriesAfterwards)
{
    // what, tree, root, retained, list, total, unreadable
    const std::tuple<const char*, Entries, std::string, Entries, Entries, int, std::size_t> cases[] = {
        {"every entry expanded in queue order",
         {"C:\\r\\b", "C:\\r\\A", "C:\\r\\A\\z", "C:\\r\\A\\y", "C:\\r\\b\\x", "C:\\r\\A\\y\\deep"}, "C:\\r", {},
         {"C:\\r\\A", "C:\\r\\b", "C:\\r\\A\\y", "C:\\r\\A\\z", "C:\\r\\b\\x", "C:\\r\\A\\y\\deep"}, 6, 0},
        {"retained after the new ones, repeats removed, empty and mapkey entries kept", {"C:\\r\\B"}, "C:\\r",
         {"C:\\r\\A", "C:\\r\\B", "", "mapkey a", "", "mapkey a", "C:\\r\\A"},
         {"C:\\r\\B", "C:\\r\\A", "", "mapkey a", "", "mapkey a"}, 1, 0},
        {"an unreadable root gives no list, not even the retained entries", {"C:\\x\\locked", "C:\\x\\locked\\a"},
         "C:\\x\\locked", {"kept"}, {}, 0, 0},
    };
    for (const auto& [what, paths, root, retained, list, total, unreadable] : cases) {
        FakeLister fs;
        fs.addPaths(paths);
        fs.makeUnreadable("C:\\x\\locked");
        const auto [entries, report] = walkTree(root, retained, fs);
        EXPECT_EQ(std::tuple(entries, report.total, report.unreadable.size()), std::tuple(list, total, unreadable)) << what;
        EXPECT_EQ(report.outcome == GenerationReport::Outcome::RootUnreadable, root == "C:\\x\\locked") << what;
        EXPECT_EQ(fs.listings(), total + 1) << what << ": the root and each directory found, once";
    }
}

TEST(Generator, EntersALinkToAnAncestorOnceAndDoesNotFollowIt)
{
    FakeLister fs(PathStyle::Posix);
    fs.addPaths({"/r/a", "/r/a/b"});
    fs.addLink("/r/a/b", "up", "/r/a");   // leads back to its grandparent
    fs.addLink("/r", "self", "/r");        // leads back to the root
    fs.addLink("/r", "side", "/r/a/b");    // leads elsewhere: walked like any directory

    const auto [entries, report] = walkTree("/r", {}, fs);
    EXPECT_EQ(entries, (Entries{"/r/a", "/r/self", "/r/side", "/r/a/b", "/r/side/up", "/r/a/b/up", "/r/side/up/b"}));
    EXPECT_EQ(report.cyclesSkipped, 3);
}

// After the first listing some directories are gone and some locked: seen by their parent, they cannot be listed.
struct ChangingLister final : DirectoryLister {
    ChangingLister(const FakeLister& fake, std::set<std::string> gone, std::set<std::string> locked)
        : tree(fake), vanish(std::move(gone)), lock(std::move(locked)) {}
    bool dirExists(const std::string& path) const override { return tree.dirExists(path); }
    DirectoryListing list(const std::string& directory) const override
    {
        if (listed++ == 0 || !(vanish.contains(directory) || lock.contains(directory)))
            return tree.list(directory);
        return {lock.contains(directory) ? Status::Unreadable : Status::NotADirectory, {}, {}, {}, {}};
    }
    const FakeLister& tree;
    const std::set<std::string> vanish, lock;
    mutable std::atomic<int> listed{0};
};

TEST(Faults, DirectoriesThatVanishOrLockDuringTheWalkStayUnexpandedAndAreReported)
{
    FakeLister tree(PathStyle::Posix);
    for (const std::string a : {"/r/a", "/r/b", "/r/c"})
        tree.addPaths({a, a + "/x", a + "/x/leaf", a + "/y", a + "/y/leaf"});
    for (int pool : {1, 16}) {
        const ChangingLister changing(tree, {"/r/b", "/r/c/y"}, {"/r/a/x"});
        const auto [entries, report] = walkTree("/r", {}, changing, {.concurrentListings = pool, .progress = {}});
        EXPECT_EQ(std::tuple(entries, report.unreadable, report.vanished, report.incomplete()),
                  std::tuple(Entries{"/r/a", "/r/b", "/r/c", "/r/a/x", "/r/a/y", "/r/c/x", "/r/c/y", "/r/a/y/leaf",
                                     "/r/c/x/leaf"}, Entries{"/r/a/x"}, Entries{"/r/b", "/r/c/y"}, true)) << pool;
    }
}

TEST(Faults, AListingThatDoesNotAnswerIsPassedOverInItsTimeAndACancelEndsTheWalkWhileOneHangs)
{
    FakeLister tree(PathStyle::Posix);
    tree.addPaths({"/r/a", "/r/a/x", "/r/b", "/r/b/y", "/r/c", "/r/c/z"});
    for (const std::string hung : {"/r/b", "/r"}) {
        testing::HeldLister held(tree);
        held.hold(hung);  // held until the walk is over: only a timeout ends its listing
        const auto [entries, report] = walkTree("/r", {}, held, {.concurrentListings = 1, .listingTimeout =
                                                std::chrono::milliseconds(50), .cancel = nullptr, .progress = {}});
        if (hung == "/r")
            EXPECT_TRUE(report.outcome == GenerationReport::Outcome::RootUnreadable && entries.empty() &&
                        report.rootStatus == Status::TimedOut);
        else  // listed with its siblings in one go, which the others finish
            EXPECT_EQ(std::tuple(entries, report.timedOut, report.incomplete()),
                      std::tuple(Entries{"/r/a", "/r/b", "/r/c", "/r/a/x", "/r/c/z"}, Entries{"/r/b"}, true));
    }
    testing::HeldLister held(tree);
    held.hold("/r/c");
    WalkCancel cancel;
    std::thread user([&] { held.reached().wait(), cancel.cancel(); });
    const GeneratedList cancelled = walkTree("/r", {"kept"}, held, {.cancel = &cancel, .progress = {}});
    user.join();
    EXPECT_TRUE(cancelled.report.outcome == GenerationReport::Outcome::Cancelled && cancelled.entries.empty());
}

// What a walk from /r gives, listing this many directories at once; its progress grows level by level to the total.
auto walkWith(int pool, const std::vector<std::string>& retained, const FakeLister& fs)
{
    std::vector<int> progress{0};
    const WalkOptions options{.concurrentListings = pool, .progress = [&](int found) { progress.push_back(found); }};
    const GeneratedList walk = walkTree("/r", retained, fs, options);
    const GenerationReport& r = walk.report;
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()) && progress.back() == r.total);
    return std::tuple(walk.entries, r.total, r.unreadable, r.cyclesSkipped, r.withLineBreaks, r.limitReached);
}

TEST(ConcurrentWalk, GivesTheSequentialResultForAnyNumberOfListingsAtOnce)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        // A random tree: random fan-out and depth, some unreadable directories and some links back to an ancestor.
        FakeLister fs(PathStyle::Posix);
        std::mt19937 random(seed);
        std::vector<std::string> known{"/r"};
        for (int i = 0; i < 300 + static_cast<int>(seed) * 40; ++i) {
            const std::string parent = known[random() % known.size()];
            const std::string name = (random() % 2 ? "D" : "d") + std::to_string(random() % 1000);
            const std::string child = parent + "/" + name;
            if (fs.dirExists(child))
                continue;
            fs.addChild(parent, name);
            known.push_back(child);
            if (known.size() > 30 && random() % 23 == 0)
                fs.makeUnreadable(child);
            if (random() % 41 == 0)
                fs.addLink(child, "zurueck", known[random() % known.size()]);
        }
        const auto expected = walkWith(1, {"/r/kept", "/r/d1"}, fs);
        ASSERT_GT(std::get<0>(expected).size(), 50u);
        for (int pool : {2, 16, 64})
            EXPECT_TRUE(walkWith(pool, {"/r/kept", "/r/d1"}, fs) == expected) << "seed " << seed << ", pool " << pool;
    }
}

TEST(ConcurrentWalk, FillsTheListExactlyKeepingEveryRetainedEntryAndStopsAtTheSameEntryForAnyNumberOfListings)
{
    // Flat and just fitting; wide and deep, passing the limit mid-level, with unreadable directories before and after.
    for (const bool passes : {false, true}) {
        FakeLister fs(PathStyle::Posix);
        for (int i = 0; i < (passes ? 200 : PathList::kMaxEntries - 100); ++i) {
            const std::string level1 = "/r/a" + std::to_string(100000 + i);
            fs.addChild("/r", "a" + std::to_string(100000 + i));
            for (int k = 0; passes && k < 200; ++k)
                fs.addChild(level1, "b" + std::to_string(1000 + k));
            if (passes && i % 50 == 7)
                fs.makeUnreadable(level1);
        }
        std::vector<std::string> retained;
        for (int i = 0; i < 100; ++i)
            retained.push_back("R:\\kept" + std::to_string(i));
        const auto expected = walkWith(1, retained, fs);
        const auto& [entries, total, unreadable, cycles, lineBreaks, limitReached] = expected;
        EXPECT_EQ(std::pair(limitReached, total), std::pair(passes, PathList::kMaxEntries - 100));
        ASSERT_EQ(entries.size(), std::size_t{PathList::kMaxEntries});
        EXPECT_EQ(std::vector(entries.end() - 100, entries.end()), retained) << "no retained entry is cut off";
        for (int pool : {2, 16, 64})
            EXPECT_TRUE(walkWith(pool, retained, fs) == expected) << "pool " << pool;
    }
}

}  // namespace
}  // namespace dirnal
