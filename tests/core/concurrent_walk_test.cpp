#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "core/generator.h"
#include "support/fake_lister.h"

namespace dirnal {
namespace {

using testing::FakeLister;

// A random tree: random fan-out and depth, some unreadable directories and
// some links back to an ancestor.
void growRandomTree(FakeLister& fs, unsigned seed, int directories)
{
    std::mt19937 random(seed);
    std::vector<std::string> known{"/r"};
    fs.addDirectory("/r");
    for (int i = 0; i < directories; ++i) {
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
}

// What a walk from /r gives, listing this many directories at once.
auto walkWith(int pool, const std::vector<std::string>& retained, const FakeLister& fs)
{
    WalkOptions options;
    options.concurrentListings = pool;
    const GeneratedList walk = walkTree("/r", retained, fs, options);
    const GenerationReport& r = walk.report;
    return std::tuple(walk.entries, r.total, r.unreadable, r.cyclesSkipped, r.withLineBreaks, r.limitReached);
}

TEST(ConcurrentWalk, GivesTheSequentialResultForAnyNumberOfListingsAtOnce)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        FakeLister fs(PathStyle::Posix);
        growRandomTree(fs, seed, 300 + static_cast<int>(seed) * 40);
        const auto expected = walkWith(1, {"/r/kept", "/r/d1"}, fs);
        ASSERT_GT(std::get<0>(expected).size(), 50u);
        for (int pool : {2, 16, 64})
            EXPECT_TRUE(walkWith(pool, {"/r/kept", "/r/d1"}, fs) == expected) << "seed " << seed << ", pool " << pool;
    }
}

TEST(ConcurrentWalk, StopsAtTheSameEntryWhenTheLimitIsReached)
{
    // Wide and deep enough to pass the limit in the middle of a level, with
    // unreadable directories both before and after the point where it stops.
    FakeLister fs(PathStyle::Posix);
    for (int i = 0; i < 200; ++i) {
        const std::string level1 = "/r/a" + std::to_string(1000 + i);
        fs.addChild("/r", "a" + std::to_string(1000 + i));
        for (int k = 0; k < 200; ++k)
            fs.addChild(level1, "b" + std::to_string(1000 + k));
        if (i % 50 == 7)
            fs.makeUnreadable(level1);
    }
    const std::vector<std::string> retained(100, "kept");
    const auto expected = walkWith(1, retained, fs);
    ASSERT_TRUE(std::get<5>(expected)) << "the limit is reached";
    for (int pool : {2, 16, 64})
        EXPECT_TRUE(walkWith(pool, retained, fs) == expected) << "pool " << pool;
}

TEST(ConcurrentWalk, ReportsProgressAfterEachLevel)
{
    FakeLister fs(PathStyle::Posix);
    growRandomTree(fs, 99, 400);
    std::vector<int> seen;
    WalkOptions options;
    options.progress = [&](int found) { seen.push_back(found); };
    const GeneratedList result = walkTree("/r", {}, fs, options);
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), result.report.total);
}

}  // namespace
}  // namespace dirnal
