#include <gtest/gtest.h>

#include <stdexcept>

#include "core/path_list.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;

TEST(PathList, KeepsOrderRepeatsEmptyEntriesAndPerEntryFlags)
{
    PathList list;
    for (const char* entry : {"C:\\b", "C:\\a", "", "C:\\b"})
        ASSERT_TRUE(list.append(entry));
    EXPECT_EQ(list.entries(), (Entries{"C:\\b", "C:\\a", "", "C:\\b"}));

    for (const auto& [index, selected] : {std::pair(0, true), std::pair(3, true), std::pair(0, false)})
        list.setSelected(index, selected);
    list.setCurrentIndex(3);
    list.replaceEntry(3, " B ");
    EXPECT_TRUE(!list.isSelected(0) && list.isSelected(3)) << "replacing keeps the flag";
    EXPECT_EQ(list.entryAt(list.currentIndex()), " B ");
    list.assign({"x", "y"});
    EXPECT_TRUE(!list.isSelected(0) && !list.isSelected(1) && list.currentIndex() == -1);
    list.setCurrentIndex(1);
    list.clear();
    EXPECT_TRUE(list.count() == 0 && list.currentIndex() == -1);
}

TEST(PathList, NotesWhatChangedAsOneRangeAKindInARowAndARebuildAlone)
{
    using K = ListChange::Kind;
    const struct {
        const char* what;
        void (*change)(PathList&);
        std::vector<ListChange> noted;
    } cases[] = {
        {"rewritten here and there", [](PathList& l) { l.replaceEntry(3, "x"); l.replaceEntry(1, "y"); },
         {{K::Rewritten, 1, 3}}},
        {"the same text again", [](PathList& l) { l.replaceEntry(0, "0"); l.setSelected(0, false); }, {}},
        {"kinds in turn", [](PathList& l) { (void)l.append("a"); l.setSelected(4, true); (void)l.append("b"); },
         {{K::Appended, 4, 4}, {K::Selection, 4, 4}, {K::Appended, 5, 5}}},
        {"current", [](PathList& l) { l.setCurrentIndex(2); l.setCurrentIndex(2); }, {{K::Current, 2, 2}}},
        {"rebuilt in between", [](PathList& l) { l.replaceEntry(1, "y"); l.assign({"z"}); (void)l.append("a"); },
         {{K::Rebuilt}}},
        {"many of mixed kinds", [](PathList& l) { for (int i = 0; i < 20; ++i) { l.setSelected(0, i % 2 == 0); l.replaceEntry(1, std::to_string(i)); } },
         {{K::Rebuilt}}},
    };
    for (const auto& c : cases) {
        PathList list;
        list.assign({"0", "1", "2", "3"});
        (void)list.takeChanges();
        c.change(list);
        EXPECT_EQ(list.takeChanges(), c.noted) << c.what;
        EXPECT_TRUE(list.takeChanges().empty()) << c.what;
    }
}

TEST(PathList, HoldsExactlyTheLimitAndRejectsIndexesOutside)
{
    PathList list;
    EXPECT_EQ(list.assign(Entries(40000, "x")), PathList::kMaxEntries);
    EXPECT_TRUE(list.isFull());
    list.replaceEntry(PathList::kMaxEntries - 1, "last");
    EXPECT_FALSE(list.append("one too many"));
    EXPECT_EQ(list.entries().back(), "last");

    list.assign({"a"});
    EXPECT_THROW((void)list.entryAt(1), std::out_of_range);
    EXPECT_THROW((void)list.entryAt(-1), std::out_of_range);
    EXPECT_THROW(list.replaceEntry(1, "x"), std::out_of_range);
    EXPECT_THROW(list.setSelected(5, true), std::out_of_range);
    EXPECT_THROW(list.setCurrentIndex(1), std::out_of_range);
    EXPECT_EQ(list.entries(), Entries{"a"});
}

}  // namespace
}  // namespace dirnal
