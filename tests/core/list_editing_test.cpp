#include <gtest/gtest.h>

#include "core/list_editing.h"

#include "support/path_lists.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;

using testing::listOf;

Entries selected(const PathList& list)
{
    Entries result;
    for (int i = 0; i < list.count(); ++i) {
        if (list.isSelected(i))
            result.push_back(list.entryAt(i));
    }
    return result;
}

TEST(Thisnot, SelectsExactlyTheEntriesThatContainTheTextCaseSensitively)
{
    PathList list = listOf({"C:\\temp\\a", "C:\\Temp\\b", "D:\\work", "x:\\temp"});
    list.setSelected(2, true);  // a selection made by hand is replaced
    EXPECT_EQ(thisnot(list, "temp"), 0);
    EXPECT_EQ(selected(list), (Entries{"C:\\temp\\a", "x:\\temp"}));

    // A second search replaces the first completely.
    EXPECT_EQ(thisnot(list, "work"), 2);
    EXPECT_EQ(selected(list), Entries{"D:\\work"});

    EXPECT_EQ(thisnot(list, "nowhere"), -1);
    EXPECT_EQ(list.selectedCount(), 0);
}

TEST(Thisnot, AnEmptySearchSelectsEveryNonEmptyEntry)
{
    PathList list = listOf({"", "a", " ", ""});
    list.setSelected(0, true);
    EXPECT_EQ(thisnot(list, ""), 1);
    EXPECT_EQ(selected(list), (Entries{"a", " "}));
    EXPECT_FALSE(list.isSelected(0));

    PathList empty;
    EXPECT_EQ(thisnot(empty, "a"), -1);
}

TEST(Delete, BlanksTheSelectedOccurrencesAndLeerzKeepsTheRestInOrder)
{
    PathList list = listOf({"C:\\a", "C:\\b", "C:\\a", "C:\\c", "", " "});
    list.setSelected(2, true);
    list.setSelected(3, true);
    list.setCurrentIndex(1);
    blankSelected(list);
    EXPECT_EQ(list.entries(), (Entries{"C:\\a", "C:\\b", "", "", "", " "}));
    Leerz(list);
    EXPECT_EQ(list.entries(), (Entries{"C:\\a", "C:\\b", " "})) << "a blank entry is not empty";
    EXPECT_EQ(list.selectedCount(), 0);
    EXPECT_EQ(list.currentIndex(), -1);
}

TEST(Delete, AllSelectedLeavesAnEmptyListAndNoneSelectedOnlyDropsEmptyEntries)
{
    PathList all = listOf({"a", "b"});
    thisnot(all, "");
    blankSelected(all);
    Leerz(all);
    EXPECT_EQ(all.count(), 0);

    PathList none = listOf({"a", "", "b"});
    blankSelected(none);
    Leerz(none);
    EXPECT_EQ(none.entries(), (Entries{"a", "b"}));
}

}  // namespace
}  // namespace dirnal
