#include <gtest/gtest.h>

#include "core/generator.h"
#include "support/fake_lister.h"

namespace dirnal {
namespace {

using testing::FakeLister;
using Entries = std::vector<std::string>;

TEST(Generator, WalksLevelByLevelInDisplayOrderAndKeepsRetainedEntriesAfterwards)
{
    struct Case {
        const char* what;
        std::initializer_list<std::string> tree;
        std::string root;
        Entries retained;
        Entries expected;
        int total;
        int unreadable;
    };
    const Case cases[] = {
        {"every entry expanded in queue order",
         {"C:\\r\\b", "C:\\r\\A", "C:\\r\\A\\z", "C:\\r\\A\\y", "C:\\r\\b\\x", "C:\\r\\A\\y\\deep"}, "C:\\r", {},
         {"C:\\r\\A", "C:\\r\\b", "C:\\r\\A\\y", "C:\\r\\A\\z", "C:\\r\\b\\x", "C:\\r\\A\\y\\deep"}, 6, 0},
        {"retained after the new ones, repeats removed, empty and mapkey entries kept", {"C:\\r\\B"}, "C:\\r",
         {"C:\\r\\A", "C:\\r\\B", "", "mapkey a", "", "mapkey a", "C:\\r\\A"},
         {"C:\\r\\B", "C:\\r\\A", "", "mapkey a", "", "mapkey a"}, 1, 0},
        {"an unreadable root gives nothing but is reported", {"C:\\x\\locked", "C:\\x\\locked\\a"},
         "C:\\x\\locked", {"kept"}, {"kept"}, 0, 1},
    };
    for (const Case& c : cases) {
        FakeLister fs;
        fs.addPaths(c.tree);
        fs.makeUnreadable("C:\\x\\locked");
        const auto [entries, report] = walkTree(c.root, c.retained, fs);
        EXPECT_EQ(entries, c.expected) << c.what;
        EXPECT_EQ(report.total, c.total) << c.what;
        EXPECT_EQ(report.unreadable, c.unreadable) << c.what;
        EXPECT_EQ(fs.listings(), c.total + 1) << c.what << ": the root and each directory found, once";
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

    EXPECT_EQ(entries, (Entries{"/r/a", "/r/self", "/r/side", "/r/a/b", "/r/side/up", "/r/a/b/up",
                                       "/r/side/up/b"}));
    EXPECT_EQ(report.cyclesSkipped, 3);
}

TEST(Generator, StopsAtTheLimitKeepingEveryRetainedEntryButFillsItExactly)
{
    for (const int directories : {PathList::kMaxEntries - 3, PathList::kMaxEntries + 100}) {
        FakeLister fs;
        for (int i = 0; i < directories; ++i)
            fs.addChild("C:\\r", "d" + std::to_string(100000 + i));
        const Entries retained{"R:\\one", "R:\\two", "R:\\three"};
        const auto [entries, report] = walkTree("C:\\r", retained, fs);

        EXPECT_EQ(report.limitReached, directories > PathList::kMaxEntries - 3) << directories;
        EXPECT_EQ(report.total, PathList::kMaxEntries - 3) << directories;
        ASSERT_EQ(entries.size(), std::size_t{PathList::kMaxEntries}) << directories;
        EXPECT_EQ(entries[PathList::kMaxEntries - 4], "C:\\r\\d" + std::to_string(100000 + PathList::kMaxEntries - 4));
        EXPECT_EQ(entries[PathList::kMaxEntries - 3], "R:\\one") << directories;
        EXPECT_EQ(entries[PathList::kMaxEntries - 1], "R:\\three") << directories;
    }
}

}  // namespace
}  // namespace dirnal
