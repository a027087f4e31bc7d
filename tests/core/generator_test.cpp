// The level-order walk: its order, links back to an ancestor, the list's limit, any number of listings at once,
// and folders that vanish or lock while it runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
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

// A share that has stopped answering below `dead`: its listings wait until the lister goes. Counts how many wait.
struct DeadShareLister final : DirectoryLister {
    DeadShareLister(const DirectoryLister& fake, std::string below) : tree(fake), dead(std::move(below)) {}
    ~DeadShareLister() override
    {
        gone.set_value();
        while (waiting > 0)
            std::this_thread::yield();
    }
    bool dirExists(const std::string& path) const override { return tree.dirExists(path); }
    DirectoryListing list(const std::string& directory) const override
    {
        if (directory.starts_with(dead)) {
            most = std::max(most.load(), ++waiting);
            ended.wait();
            --waiting;
        }
        return tree.list(directory);
    }
    const DirectoryLister& tree;
    const std::string dead;
    std::promise<void> gone;
    std::shared_future<void> ended = gone.get_future().share();
    mutable std::atomic<int> waiting{0}, most{0};
};

TEST(Faults, OnADeadShareTheWalkEndsWithAtMostTwiceItsThreads)
{
    FakeLister tree(PathStyle::Posix);
    Entries dead;
    for (int i = 0; i < 9; ++i)
        dead.push_back("/r/dead/" + std::to_string(i));
    tree.addPaths(dead);
    tree.addPaths({"/r/dead", "/r/dead/0/below", "/r/live"});
    const DeadShareLister share(tree, "/r/dead/");
    const auto [entries, report] = walkTree("/r", {}, share, {.concurrentListings = 3, .listingTimeout =
                                            std::chrono::milliseconds(20), .cancel = nullptr, .progress = {}});
    Entries listed{"/r/dead", "/r/live"};
    listed.insert(listed.end(), dead.begin(), dead.end());
    EXPECT_EQ(std::tuple(entries, report.timedOut, share.most.load()), std::tuple(listed, dead, 6));
}

// Another lister's tree, each listing answering after a pause of its own of up to `most` (a few after five times as
// long), and some folders gone when their turn comes; it remembers the deepest level it listed and the most listings
// at once, and cancels the walk, where given, from a listing of the second level. Going, it waits for listings a
// cancel left behind.
struct JitteryLister final : DirectoryLister {
    JitteryLister(const DirectoryLister& fake, unsigned seed, std::chrono::microseconds most, WalkCancel* cancel = nullptr)
        : tree(fake), salt(seed * 2654435761u), longest(most), cancelBelow(cancel) {}
    ~JitteryLister() override
    {
        while (inside > 0)
            std::this_thread::yield();
    }
    bool dirExists(const std::string& path) const override { return tree.dirExists(path); }
    DirectoryListing list(const std::string& directory) const override
    {
        for (int now = ++inside, was = mostAtOnce; now > was && !mostAtOnce.compare_exchange_weak(was, now);) {
        }
        const std::size_t dice = std::hash<std::string>{}(directory) ^ salt;
        const auto pause = std::chrono::microseconds(dice % (longest.count() + 1));
        std::this_thread::sleep_for(dice % 43 == 0 ? 5 * longest : pause);
        const int level = static_cast<int>(std::count(directory.begin(), directory.end(), '/')) - 1;
        for (int was = deepest; level > was && !deepest.compare_exchange_weak(was, level);) {
        }
        if (cancelBelow && level == 2)
            cancelBelow->cancel();
        DirectoryListing listing{Status::NotADirectory, {}, {}, {}, {}};
        if (dice % 29 != 0 || directory == "/r")
            listing = tree.list(directory);
        --inside;
        return listing;
    }
    const DirectoryLister& tree;
    const std::size_t salt;
    const std::chrono::microseconds longest;
    WalkCancel* const cancelBelow;
    mutable std::atomic<int> deepest{0}, inside{0}, mostAtOnce{0};
};

// What a walk from /r gives, listing this many directories at once; its progress grows level by level to the total.
auto walkWith(int pool, const std::vector<std::string>& retained, const DirectoryLister& fs, int maxDepth = 0)
{
    std::vector<int> progress{0};
    const WalkOptions options{.concurrentListings = pool, .maxDepth = maxDepth,
                              .progress = [&](int found) { progress.push_back(found); }};
    const GeneratedList walk = walkTree("/r", retained, fs, options);
    const GenerationReport& r = walk.report;
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()) && progress.back() == r.total);
    return std::tuple(walk.entries, r.total, r.unreadable, r.vanished, r.cyclesSkipped, r.withLineBreaks, r.limitReached);
}

TEST(ConcurrentWalk, GivesTheSequentialResultForAnyNumberOfListingsAtOnceWhateverOrderTheyAnswerIn)
{
    // Retained entries that leave room for 60 generated ones: the limit passed mid-level.
    std::vector<std::string> fillers{"/r/kept", "/r/d1"};
    for (int i = 0; fillers.size() < std::size_t{PathList::kMaxEntries} - 60; ++i)
        fillers.push_back("R:\\kept" + std::to_string(i));
    for (unsigned seed = 1; seed <= 8; ++seed) {
        // A random tree: random fan-out and depth, some unreadable directories, some links back to an ancestor,
        // names with a line break; listed, some folders vanish.
        FakeLister fs(PathStyle::Posix);
        std::mt19937 random(seed);
        std::vector<std::string> known{"/r"};
        for (int i = 0; i < 300 + static_cast<int>(seed) * 60; ++i) {
            const std::string parent = known[random() % known.size()];
            const std::string name = (random() % 2 ? "D" : "d") + std::to_string(random() % 1000) +
                                     (random() % 97 == 0 ? "\n" : "");
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
        const JitteryLister sequential(fs, seed, std::chrono::microseconds(0));
        for (const auto& [retained, maxDepth] : {std::pair(Entries{"/r/kept", "/r/d1"}, 0), {{"/r/kept"}, 3}, {fillers, 0}}) {
            const auto expected = walkWith(1, retained, sequential, maxDepth);
            ASSERT_TRUE(std::get<1>(expected) > 20 && std::get<6>(expected) == (retained == fillers));
            for (int pool : {2, 16, 64}) {
                const JitteryLister jittery(fs, seed, std::chrono::microseconds(pool == 2 ? 0 : 1000));
                EXPECT_TRUE(walkWith(pool, retained, jittery, maxDepth) == expected)
                    << "seed " << seed << ", pool " << pool << ", depth " << maxDepth << ", room " << 32767 - retained.size();
                if (maxDepth > 0) {
                    EXPECT_LT(jittery.deepest, maxDepth) << "no folder below the depth asked for is listed";
                }
                EXPECT_LE(jittery.mostAtOnce, 2 * pool) << "slow listings let others run, up to twice as many";
            }
        }
        // Cancelled while the walk still waits for a listing of the second level, with others under way.
        WalkCancel cancel;
        const JitteryLister jittery(fs, seed, std::chrono::microseconds(1000), &cancel);
        const GeneratedList cancelled = walkTree("/r", {"/r/kept"}, jittery, {.cancel = &cancel, .progress = {}});
        EXPECT_TRUE(cancelled.report.outcome == GenerationReport::Outcome::Cancelled && cancelled.entries.empty());
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
        const auto& [entries, total, unreadable, vanished, cycles, lineBreaks, limitReached] = expected;
        EXPECT_EQ(std::pair(limitReached, total), std::pair(passes, PathList::kMaxEntries - 100));
        ASSERT_EQ(entries.size(), std::size_t{PathList::kMaxEntries});
        EXPECT_EQ(std::vector(entries.end() - 100, entries.end()), retained) << "no retained entry is cut off";
        for (int pool : {2, 16, 64})
            EXPECT_TRUE(walkWith(pool, retained, fs) == expected) << "pool " << pool;
    }
}

}  // namespace
}  // namespace dirnal
