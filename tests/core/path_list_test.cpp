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

    list.setSelected(0, true);
    list.setSelected(3, true);
    list.setSelected(0, false);
    EXPECT_EQ(list.selectedCount(), 1);
    EXPECT_TRUE(list.isSelected(3));

    EXPECT_EQ(list.currentText(), "");
    list.setCurrentIndex(3);
    list.replaceEntry(3, " B ");
    EXPECT_EQ(list.currentText(), " B ");
    EXPECT_TRUE(list.isSelected(3)) << "replacing keeps the flag";

    list.assign({"x", "y"});
    EXPECT_EQ(list.selectedCount(), 0);
    EXPECT_EQ(list.currentIndex(), -1);
    list.setCurrentIndex(1);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.currentText(), "");
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
