#include <gtest/gtest.h>

#include <set>

#include "core/path_conversions.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;

PathList listOf(std::vector<std::string> entries)
{
    PathList list;
    list.assign(std::move(entries));
    return list;
}

TEST(Quotes, ToggleTurnsEachEntryTheOtherWayAndStripTakesOnePairOffQuotedEntries)
{
    PathList list = listOf({"C:\\a", "\"C:\\b\"", "", "\"half", "in\"side", "\""});
    ToggleQuotes(list);
    EXPECT_EQ(list.entries(), (Entries{"\"C:\\a\"", "C:\\b", "", "\"\"half\"", "\"in\"side\"", "\"\"\""}));
    ToggleQuotes(list);
    EXPECT_EQ(list.entries(), (Entries{"C:\\a", "\"C:\\b\"", "", "\"half", "in\"side", "\""}));

    // The second toggle takes the quotes off what is quoted again, as it
    // does for every quoted entry; so only such entries do not come back.
    list = listOf({"\"\"C:\\a\"\"", "\"\""});
    ToggleQuotes(list);
    ToggleQuotes(list);
    EXPECT_EQ(list.entries(), (Entries{"C:\\a", ""}));

    list = listOf({"\"C:\\a\"", "\"\"C:\\b\"\"", "\"half", "in\"side", "\"", "\"\"", "plain"});
    StripQuotes(list);
    EXPECT_EQ(list.entries(), (Entries{"C:\\a", "\"C:\\b\"", "\"half", "in\"side", "\"", "", "plain"}));
}

TEST(Names, OnlyExistingDirectoriesTurnIntoTheirShortAndLongNames)
{
    const std::string longName = "C:\\Programme\\Konstruktion", shortName = "C:\\PROGRA~1\\KONSTR~1";
    const std::set<std::string> directories{longName, shortName, "C:\\noname"};
    const DirectoryTest exists = [&](const std::string& p) { return directories.contains(p); };
    // The platform gives no short name for C:\noname: the entry stays.
    const PathConverter toShort = [&](const std::string& p) { return p == longName ? shortName : std::string(); };
    const PathConverter toLong = [&](const std::string& p) { return p == shortName ? longName : p; };

    PathList list = listOf({longName, "C:\\gibt es nicht", "", "C:\\noname"});
    ConvertToShortNames(list, exists, toShort);
    EXPECT_EQ(list.entries(), (Entries{shortName, "C:\\gibt es nicht", "", "C:\\noname"}));
    ConvertToLongNames(list, exists, toLong);
    EXPECT_EQ(list.entries(), (Entries{longName, "C:\\gibt es nicht", "", "C:\\noname"}));
}

TEST(Relativ, CutsTheStartPositionOffTheEntriesBelowIt)
{
    const struct {
        PathStyle style;
        std::string start;
        Entries entries, expected;
    } cases[] = {
        {PathStyle::Windows, "C:\\work",
         {"C:\\work\\parts", "C:\\work\\parts\\std", "C:\\work\\", "C:\\work", "C:\\workshop\\parts", "c:\\work\\parts",
          "C:\\Work\\parts", "D:\\other", "", "already"},
         {"parts", "parts\\std", "", "C:\\work", "C:\\workshop\\parts", "c:\\work\\parts", "C:\\Work\\parts", "D:\\other", "",
          "already"}},
        {PathStyle::Windows, "C:\\", {"C:\\work", "C:\\work\\parts", "D:\\x"}, {"work", "work\\parts", "D:\\x"}},
        // Only at the start, and only up to the style's own separator.
        {PathStyle::Posix, "/home/cad", {"/home/cad/parts", "/x/home/cad/y", "/home/cad\\z"},
         {"parts", "/x/home/cad/y", "/home/cad\\z"}},
    };
    for (const auto& c : cases) {
        PathList list = listOf(c.entries);
        Relativ(list, c.start, c.style);
        EXPECT_EQ(list.entries(), c.expected) << c.start;
    }
}

}  // namespace
}  // namespace dirnal
