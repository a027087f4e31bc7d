#include <gtest/gtest.h>

#include <stdexcept>

#include "core/path_list.h"

namespace dirnal {
namespace {

PathList listOf(std::initializer_list<const char*> entries)
{
    PathList list;
    for (const char* entry : entries)
        EXPECT_TRUE(list.append(entry));
    return list;
}

TEST(PathList, AppendKeepsInsertionOrderRepeatsAndEmptyEntries)
{
    const PathList list = listOf({"C:\\b", "C:\\a", "", "C:\\b"});
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.entryAt(0), "C:\\b");
    EXPECT_EQ(list.entryAt(1), "C:\\a");
    EXPECT_EQ(list.entryAt(2), "");
    EXPECT_EQ(list.entryAt(3), "C:\\b");
}

TEST(PathList, ReplaceChangesOneEntryOnly)
{
    PathList list = listOf({"a", "b", "c"});
    list.setSelected(1, true);
    list.setCurrentIndex(1);
    list.replaceEntry(1, " B ");
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"a", " B ", "c"}));
    EXPECT_TRUE(list.isSelected(1));
    EXPECT_EQ(list.currentText(), " B ");
}

TEST(PathList, SelectedFlagsAreIndependentPerEntry)
{
    PathList list = listOf({"a", "b", "c"});
    list.setSelected(0, true);
    list.setSelected(2, true);
    list.setSelected(0, false);
    EXPECT_FALSE(list.isSelected(0));
    EXPECT_FALSE(list.isSelected(1));
    EXPECT_TRUE(list.isSelected(2));
    EXPECT_EQ(list.selectedCount(), 1);
    EXPECT_TRUE(list.append("d"));
    EXPECT_FALSE(list.isSelected(3));
}

TEST(PathList, CurrentEntryAndItsText)
{
    PathList list = listOf({"a", "b"});
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(list.currentText(), "");
    list.setCurrentIndex(1);
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(list.currentText(), "b");
    EXPECT_FALSE(list.isSelected(1)) << "being current does not select";
    list.setCurrentIndex(-1);
    EXPECT_EQ(list.currentText(), "");
}

TEST(PathList, ClearAndRebuildDropSelectionAndCurrentEntry)
{
    PathList list = listOf({"a", "b"});
    list.setSelected(0, true);
    list.setCurrentIndex(0);
    list.assign({"x", "y", "z"});
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.selectedCount(), 0);
    EXPECT_EQ(list.currentIndex(), -1);

    list.setSelected(2, true);
    list.setCurrentIndex(2);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(list.currentText(), "");
}

TEST(PathList, HoldsExactlyTheLimitAndRefusesOneMore)
{
    PathList list;
    for (int i = 0; i < PathList::kMaxEntries; ++i)
        ASSERT_TRUE(list.append(std::to_string(i)));
    EXPECT_TRUE(list.isFull());
    EXPECT_EQ(list.entryAt(32766), "32766");
    EXPECT_FALSE(list.append("one too many"));
    EXPECT_EQ(list.count(), 32767);
    EXPECT_EQ(list.entryAt(32766), "32766");

    std::vector<std::string> tooMany(40000, "x");
    EXPECT_EQ(list.assign(tooMany), PathList::kMaxEntries);
    EXPECT_EQ(list.count(), PathList::kMaxEntries);
}

TEST(PathList, IndexesOutsideTheListAreRejected)
{
    PathList list = listOf({"a"});
    EXPECT_THROW((void)list.entryAt(1), std::out_of_range);
    EXPECT_THROW((void)list.entryAt(-1), std::out_of_range);
    EXPECT_THROW(list.replaceEntry(1, "x"), std::out_of_range);
    EXPECT_THROW(list.setSelected(5, true), std::out_of_range);
    EXPECT_THROW(list.setCurrentIndex(1), std::out_of_range);
    EXPECT_EQ(list.entries(), std::vector<std::string>{"a"});
}

}  // namespace
}  // namespace dirnal
