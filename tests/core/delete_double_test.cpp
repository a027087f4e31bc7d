#include <gtest/gtest.h>

#include "core/delete_double.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;

TEST(DeleteDouble, KeepsFirstOccurrencesInOrderAndComparesCaseSensitively)
{
    EXPECT_EQ(withoutRepeats({"C:\\a", "C:\\b", "C:\\a", "c:\\A", "C:\\b"}),
              (Entries{"C:\\a", "C:\\b", "c:\\A"}));
    EXPECT_EQ(withoutRepeats({"C:\\Temp", "C:\\TEMP", "C:\\Temp "}), (Entries{"C:\\Temp", "C:\\TEMP", "C:\\Temp "}));
}

TEST(DeleteDouble, NeverDropsEmptyOrMapkeyEntries)
{
    EXPECT_EQ(withoutRepeats({"", "mapkey x", "a", "", "mapkey x", "a", "mapkey"}),
              (Entries{"", "mapkey x", "a", "", "mapkey x", "mapkey"}));
    // Only the exact lower-case prefix protects an entry.
    EXPECT_EQ(withoutRepeats({"Mapkey y", "Mapkey y", " mapkey", " mapkey"}), (Entries{"Mapkey y", " mapkey"}));
}

TEST(DeleteDouble, LeavesAListWithoutRepeatsAndAnEmptyListAsTheyAre)
{
    EXPECT_EQ(withoutRepeats({"z", "a", "m"}), (Entries{"z", "a", "m"}));
    EXPECT_EQ(withoutRepeats({}), Entries{});
}

TEST(DeleteDouble, RebuildsTheListWithoutSelectionOrCurrentEntry)
{
    PathList list;
    for (const char* entry : {"a", "b", "a"})
        ASSERT_TRUE(list.append(entry));
    list.setSelected(1, true);
    list.setCurrentIndex(2);
    DeleteDouble(list);
    EXPECT_EQ(list.entries(), (Entries{"a", "b"}));
    EXPECT_EQ(list.selectedCount(), 0);
    EXPECT_EQ(list.currentIndex(), -1);

    // No repeats: same entries, but the selection is gone all the same.
    list.setSelected(0, true);
    DeleteDouble(list);
    EXPECT_EQ(list.entries(), (Entries{"a", "b"}));
    EXPECT_EQ(list.selectedCount(), 0);
}

TEST(DeleteDouble, HandlesAFullListOfDistinctAndOfEqualEntries)
{
    Entries distinct;
    for (int i = 0; i < PathList::kMaxEntries; ++i)
        distinct.push_back("C:\\dir" + std::to_string(i));
    EXPECT_EQ(withoutRepeats(distinct), distinct);

    const Entries same(PathList::kMaxEntries, "C:\\same");
    EXPECT_EQ(withoutRepeats(same), Entries{"C:\\same"});
}

}  // namespace
}  // namespace dirnal
