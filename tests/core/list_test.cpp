// The path list, its repeats, its file format and the order of names in it.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <tuple>

#include "core/delete_double.h"
#include "core/list_file.h"
#include "core/list_file_text.h"
#include "core/name_order.h"
#include "core/path_list.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;

TEST(PathList, KeepsOrderRepeatsEmptyEntriesAndFlagsUpToItsLimitAndRejectsIndexesOutside)
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

    EXPECT_EQ(list.assign(Entries(40000, "x")), PathList::kMaxEntries);
    list.replaceEntry(PathList::kMaxEntries - 1, "last");
    EXPECT_TRUE(list.isFull() && !list.append("one too many") && list.entries().back() == "last");

    list.assign({"a"});
    EXPECT_THROW((void)list.entryAt(1), std::out_of_range);
    EXPECT_THROW((void)list.entryAt(-1), std::out_of_range);
    EXPECT_THROW(list.replaceEntry(1, "x"), std::out_of_range);
    EXPECT_THROW(list.setSelected(5, true), std::out_of_range);
    EXPECT_THROW(list.setCurrentIndex(1), std::out_of_range);
    EXPECT_EQ(list.entries(), Entries{"a"});
}

TEST(PathList, NotesWhatChangedAsOneRangeAKindInARowAndARebuildAlone)
{
    using K = ListChange::Kind;
    const std::tuple<const char*, void (*)(PathList&), std::vector<ListChange>> cases[] = {  // what, change, noted
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
    for (const auto& [what, change, noted] : cases) {
        PathList list;
        list.assign({"0", "1", "2", "3"});
        (void)list.takeChanges();
        change(list);
        EXPECT_EQ(list.takeChanges(), noted) << what;
        EXPECT_TRUE(list.takeChanges().empty()) << what;
    }
}

TEST(DeleteDouble, KeepsFirstOccurrencesExactlyAndNeverDropsEmptyOrMapkeyEntries)
{
    const std::pair<Entries, Entries> cases[] = {  // input, without repeats
        {{"C:\\a", "C:\\b", "C:\\a", "c:\\A", "C:\\b", "C:\\b "}, {"C:\\a", "C:\\b", "c:\\A", "C:\\b "}},
        {{"", "mapkey x", "a", "", "mapkey x", "a", "mapkey"}, {"", "mapkey x", "a", "", "mapkey x", "mapkey"}},
        // Only the exact lower-case prefix protects an entry.
        {{"Mapkey y", "Mapkey y", " mapkey", " mapkey"}, {"Mapkey y", " mapkey"}},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(withoutRepeats(input), expected);
}

TEST(ListFileFormat, EveryEntryEndsWithCrLfAndOnReadingEachLineEndingEndsALineUpToTheRoomThereIs)
{
    EXPECT_EQ(encodeListFile({"C:\\a", "", " mit Leerzeichen "}), "C:\\a\r\n\r\n mit Leerzeichen \r\n");
    EXPECT_EQ(encodeListFile({}), "");
    const Entries entries{"C:\\Daten", "", "\\\\srv\\cad\\teile", "\"q\"", "", "/home/anna/Größe", "\xff\xfe"};
    EXPECT_EQ(decodeListFile(encodeListFile(entries), 1000).entries, entries);
    const std::tuple<std::string, std::size_t, Entries, long long> cases[] = {  // bytes, room, lines, lines left out
        {"a\r\n\r\nb\r\n", 9, {"a", "", "b"}, 0}, {"a\rb\r", 9, {"a", "b"}, 0}, {"a\nb\n\nc", 9, {"a", "b", "", "c"}, 0},
        {"a\n\rb", 9, {"a", "", "b"}, 0},  // LF CR: two endings
        {"", 9, {}, 0}, {"\r\n", 9, {""}, 0}, {"  \t ", 9, {"  \t "}, 0},  // nothing is trimmed
        {"1\r\n2\r\n3\r\n4\r\n\r\n", 2, {"1", "2"}, 3}, {"1\r\n", 0, {}, 1},
    };
    for (const auto& [bytes, room, lines, leftOut] : cases) {
        const DecodedListFile file = decodeListFile(bytes, room);
        EXPECT_EQ(std::pair(file.entries, file.linesLeftOut), std::pair(lines, leftOut)) << bytes;
    }
    // Where reading stopped early a character cut in two is dropped, elsewhere it is U+FFFD.
    const std::tuple<std::string, bool, TextEncoding, std::string> texts[] = {  // bytes, cut short, found, text
        {std::string("\xFF\xFE" "a\0\x3D", 5), true, TextEncoding::Utf16LE, "a"},
        {std::string("\xFF\xFE" "a\0\x3D", 5), false, TextEncoding::Utf16LE, "a\xEF\xBF\xBD"},
        {std::string("\xFF\xFE" "a\0\x3D\xD8", 6), true, TextEncoding::Utf16LE, "a"},
        {"\xC3\xA4\xC3", true, TextEncoding::Utf8, "\xC3\xA4\xC3"}, {"\xC3\xA4\xC3", false, TextEncoding::ListFile, "\xC3\xA4\xC3"},
        {"a\xC0\xAF", false, TextEncoding::ListFile, "a\xC0\xAF"}, {"ascii", false, TextEncoding::ListFile, "ascii"},
        {"\xF4\x90\x80\x80", false, TextEncoding::ListFile, "\xF4\x90\x80\x80"},  // past U+10FFFF
    };
    for (const auto& [bytes, cutShort, found, text] : texts) {
        const ListFileText decoded = decodeListFileText(bytes, /*recogniseUtf8=*/true, cutShort);
        EXPECT_EQ(std::pair(decoded.encoding, decoded.text), std::pair(found, text)) << bytes;
    }
}

Entries sorted(Entries names)
{
    std::ranges::sort(names, displayOrderLess);
    return names;
}

TEST(DisplayOrder, IgnoresLetterCaseAlsoOfLatin1BreaksTiesByExactNameAndIsAStrictOrderAlsoForInvalidUtf8)
{
    EXPECT_EQ(sorted({"cherry", "Banana", "apple", "banana", "Apple", "abc", "ab"}),
              (Entries{"ab", "abc", "Apple", "apple", "Banana", "banana", "cherry"}));
    // "Ärger" and "ärger" sort together, after plain "Z" names, and both before "Äz".
    EXPECT_EQ(sorted({"ärger", "Zebra", "Äz", "Ärger", "ab"}), (Entries{"ab", "Zebra", "Ärger", "ärger", "Äz"}));
    const Entries names{"a\xff", "a\xfe", "A\xff", "a", "\xc3", "\xc3\xa4", "", "a\xc3"};
    // Of two different names exactly one comes first; no name before itself.
    for (const auto& x : names)
        for (const auto& y : names)
            EXPECT_EQ(displayOrderLess(x, y) + displayOrderLess(y, x), x == y ? 0 : 1) << x << " / " << y;
}

}  // namespace
}  // namespace dirnal
