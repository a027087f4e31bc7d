#include <gtest/gtest.h>

#include "core/generator.h"
#include "support/fake_lister.h"

namespace dirnal {
namespace {

using testing::FakeLister;
using Entries = std::vector<std::string>;

TEST(Generator, WalksLevelByLevelWithoutTheRootAndWithoutDoubledSeparators)
{
    FakeLister fs;
    fs.addChild("C:\\", "Programme");
    fs.addChild("C:\\", "Daten");
    fs.addChild("C:\\Daten", "Alt");

    PathList list;
    const GenerationReport report = generateList(list, "C:\\", {}, fs);

    EXPECT_EQ(list.entries(), (Entries{"C:\\Daten", "C:\\Programme", "C:\\Daten\\Alt"}));
    EXPECT_EQ(report.total, 3);
    EXPECT_EQ(totalStatusText(report.total), "Total: 3");
    EXPECT_FALSE(report.limitReached);
    EXPECT_EQ(report.unreadable, 0);
}

TEST(Generator, ExpandsEveryEntryInQueueOrder)
{
    FakeLister fs(PathStyle::Posix);
    fs.addChild("/r", "b");
    fs.addChild("/r", "A");
    fs.addChild("/r/A", "z");
    fs.addChild("/r/A", "y");
    fs.addChild("/r/b", "x");
    fs.addChild("/r/A/y", "deep");

    PathList list;
    const GenerationReport report = generateList(list, "/r", {}, fs);

    EXPECT_EQ(list.entries(), (Entries{"/r/A", "/r/b", "/r/A/y", "/r/A/z", "/r/b/x", "/r/A/y/deep"}));
    EXPECT_EQ(report.total, 6);
    for (const std::string& entry : list.entries())
        EXPECT_EQ(fs.listings(entry), 1) << entry;
}

TEST(Generator, KeepsRetainedEntriesAfterTheGeneratedOnesWithoutRepeats)
{
    FakeLister fs;
    fs.addChild("C:\\r", "B");
    fs.addChild("C:\\r", "C");

    PathList list;
    const GenerationReport report = generateList(list, "C:\\r", {"C:\\r\\A", "C:\\r\\B"}, fs);

    EXPECT_EQ(list.entries(), (Entries{"C:\\r\\B", "C:\\r\\C", "C:\\r\\A"}));
    EXPECT_EQ(report.total, 2) << "Total counts the generated entries only";
}

TEST(Generator, ReducesRetainedRepeatsButKeepsEmptyAndMapkeyEntries)
{
    FakeLister fs;
    fs.addDirectory("C:\\leer");
    PathList list;
    generateList(list, "C:\\leer", {"x", "", "x", "mapkey a", "", "mapkey a", "X"}, fs);
    EXPECT_EQ(list.entries(), (Entries{"x", "", "mapkey a", "", "mapkey a", "X"}));
}

TEST(Generator, RootWithoutSubdirectoriesGivesAnEmptyListAndTotalZero)
{
    FakeLister fs;
    fs.addDirectory("C:\\leer");
    PathList list;
    const GenerationReport report = generateList(list, "C:\\leer", {}, fs);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(totalStatusText(report.total), "Total: 0");
}

TEST(Generator, ReplacesWhateverTheListHeldAndLeavesNoSelection)
{
    FakeLister fs;
    fs.addChild("C:\\r", "a");
    PathList list;
    ASSERT_TRUE(list.append("old"));
    list.setSelected(0, true);
    list.setCurrentIndex(0);
    generateList(list, "C:\\r", {}, fs);
    EXPECT_EQ(list.entries(), Entries{"C:\\r\\a"});
    EXPECT_EQ(list.selectedCount(), 0);
    EXPECT_EQ(list.currentIndex(), -1);
}

TEST(Generator, EntersUnreadableDirectoriesWithoutExpandingThemAndCountsThem)
{
    FakeLister fs;
    fs.addChild("C:\\r", "locked");
    fs.addChild("C:\\r", "open");
    fs.addChild("C:\\r\\locked", "hidden");
    fs.addChild("C:\\r\\open", "sub");
    fs.makeUnreadable("C:\\r\\locked");

    PathList list;
    const GenerationReport report = generateList(list, "C:\\r", {}, fs);

    EXPECT_EQ(list.entries(), (Entries{"C:\\r\\locked", "C:\\r\\open", "C:\\r\\open\\sub"}));
    EXPECT_EQ(report.unreadable, 1);
    EXPECT_EQ(report.total, 3);
}

TEST(Generator, AnUnreadableRootGivesNothingButIsReported)
{
    FakeLister fs;
    fs.addChild("C:\\r", "a");
    fs.makeUnreadable("C:\\r");
    PathList list;
    const GenerationReport report = generateList(list, "C:\\r", {"kept"}, fs);
    EXPECT_EQ(list.entries(), Entries{"kept"});
    EXPECT_EQ(report.unreadable, 1);
    EXPECT_EQ(report.total, 0);
}

TEST(Generator, EntersALinkToAnAncestorOnceAndDoesNotFollowIt)
{
    FakeLister fs(PathStyle::Posix);
    fs.addChild("/r", "a");
    fs.addChild("/r/a", "b");
    fs.addLink("/r/a/b", "up", "/r/a");   // leads back to its grandparent
    fs.addLink("/r", "self", "/r");        // leads back to the root
    fs.addLink("/r", "side", "/r/a/b");    // leads elsewhere: walked like any directory

    PathList list;
    const GenerationReport report = generateList(list, "/r", {}, fs);

    EXPECT_EQ(list.entries(), (Entries{"/r/a", "/r/self", "/r/side", "/r/a/b", "/r/side/up", "/r/a/b/up",
                                       "/r/side/up/b"}));
    EXPECT_EQ(report.cyclesSkipped, 3);
    EXPECT_FALSE(report.limitReached);
}

TEST(Generator, StopsAtTheLimitAndKeepsEveryRetainedEntry)
{
    FakeLister fs;
    for (int i = 0; i < 20; ++i) {
        const std::string level1 = "d" + std::to_string(100 + i);
        fs.addChild("C:\\r", level1);
        for (int k = 0; k < 2000; ++k)
            fs.addChild("C:\\r\\" + level1, "e" + std::to_string(10000 + k));
    }
    const Entries retained{"R:\\one", "R:\\two", "R:\\three"};

    PathList list;
    const GenerationReport report = generateList(list, "C:\\r", retained, fs);

    EXPECT_TRUE(report.limitReached);
    EXPECT_EQ(report.total, PathList::kMaxEntries - 3);
    ASSERT_EQ(list.count(), PathList::kMaxEntries);
    EXPECT_EQ(list.entryAt(0), "C:\\r\\d100");
    EXPECT_EQ(list.entryAt(20), "C:\\r\\d100\\e10000");
    EXPECT_EQ(list.entryAt(PathList::kMaxEntries - 3), "R:\\one");
    EXPECT_EQ(list.entryAt(PathList::kMaxEntries - 1), "R:\\three");
}

TEST(Generator, ATreeThatJustFitsIsNotCutOff)
{
    FakeLister fs;
    for (int i = 0; i < PathList::kMaxEntries - 1; ++i)
        fs.addChild("C:\\r", "d" + std::to_string(i));
    PathList list;
    const GenerationReport report = generateList(list, "C:\\r", {"kept"}, fs);
    EXPECT_FALSE(report.limitReached);
    EXPECT_EQ(list.count(), PathList::kMaxEntries);
    EXPECT_EQ(list.entryAt(PathList::kMaxEntries - 1), "kept");
}

}  // namespace
}  // namespace dirnal
