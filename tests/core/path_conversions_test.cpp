#include <gtest/gtest.h>

#include <set>

#include "core/path_conversions.h"

#include "support/path_lists.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;

using testing::listOf;

TEST(Quotes, ToggleQuotesTurnsEachEntryTheOtherWay)
{
    PathList list = listOf({"C:\\a", "\"C:\\b\"", "", "\"half", "in\"side", "\""});
    ToggleQuotes(list);
    EXPECT_EQ(list.entries(), (Entries{"\"C:\\a\"", "C:\\b", "", "\"\"half\"", "\"in\"side\"", "\"\"\""}));
    ToggleQuotes(list);
    EXPECT_EQ(list.entries(), (Entries{"C:\\a", "\"C:\\b\"", "", "\"half", "in\"side", "\""}));
}

TEST(Quotes, ADoublyQuotedEntryLosesBothPairsOverTwoToggles)
{
    // The second run takes the quotes off what is quoted again, as it does
    // for every quoted entry; so only such entries do not come back.
    PathList list = listOf({"\"\"C:\\a\"\"", "\"\""});
    ToggleQuotes(list);
    EXPECT_EQ(list.entries(), (Entries{"\"C:\\a\"", ""}));
    ToggleQuotes(list);
    EXPECT_EQ(list.entries(), (Entries{"C:\\a", ""}));
}

TEST(Quotes, StripQuotesTakesOnePairOffQuotedEntriesOnly)
{
    PathList list = listOf({"\"C:\\a\"", "\"\"C:\\b\"\"", "\"half", "in\"side", "\"", "\"\"", "plain"});
    StripQuotes(list);
    EXPECT_EQ(list.entries(), (Entries{"C:\\a", "\"C:\\b\"", "\"half", "in\"side", "\"", "", "plain"}));
}

class NamesTest : public ::testing::Test {
protected:
    std::set<std::string> directories{"C:\\Programme\\Konstruktion", "C:\\PROGRA~1\\KONSTR~1", "\"C:\\q\"",
                                      "C:\\noname"};
    DirectoryTest exists = [this](const std::string& p) { return directories.contains(p); };
    PathConverter shortName = [](const std::string& p) -> std::string {
        if (p == "C:\\Programme\\Konstruktion")
            return "C:\\PROGRA~1\\KONSTR~1";
        return p == "C:\\noname" ? "" : p;
    };
    PathConverter longName = [](const std::string& p) -> std::string {
        return p == "C:\\PROGRA~1\\KONSTR~1" ? "C:\\Programme\\Konstruktion" : p;
    };
};

TEST_F(NamesTest, OnlyExistingDirectoriesTurnIntoTheirShortAndLongNames)
{
    PathList list = listOf({"C:\\Programme\\Konstruktion", "C:\\gibt es nicht", "", "C:\\noname"});
    ConvertToShortNames(list, exists, shortName);
    EXPECT_EQ(list.entries(), (Entries{"C:\\PROGRA~1\\KONSTR~1", "C:\\gibt es nicht", "", "C:\\noname"}))
        << "no short name given: the entry stays";
    ConvertToLongNames(list, exists, longName);
    EXPECT_EQ(list.entries(), (Entries{"C:\\Programme\\Konstruktion", "C:\\gibt es nicht", "", "C:\\noname"}));
}

TEST(Relativ, CutsTheStartPositionOffTheEntriesBelowIt)
{
    const Entries input{"C:\\work\\parts", "C:\\work\\parts\\std", "C:\\work\\", "C:\\work", "C:\\workshop\\parts",
                        "c:\\work\\parts", "C:\\Work\\parts", "D:\\other", "", "already"};
    PathList list = listOf(input);
    Relativ(list, "C:\\work", PathStyle::Windows);
    EXPECT_EQ(list.entries(), (Entries{"parts", "parts\\std", "", "C:\\work", "C:\\workshop\\parts", "c:\\work\\parts",
                                       "C:\\Work\\parts", "D:\\other", "", "already"}));

    for (const char* root : {"C:\\", "C:"}) {
        PathList atRoot = listOf({"C:\\work", "C:\\work\\parts", "D:\\x"});
        Relativ(atRoot, root, PathStyle::Windows);
        EXPECT_EQ(atRoot.entries(), (Entries{"work", "work\\parts", "D:\\x"})) << root;
    }

    PathList share = listOf({"\\\\server\\share\\proj\\a", "X:\\proj\\a"});
    Relativ(share, "\\\\server\\share\\proj", PathStyle::Windows);
    EXPECT_EQ(share.entries(), (Entries{"a", "X:\\proj\\a"}));
}

TEST(Relativ, WorksTheSameOnPosixPaths)
{
    PathList list = listOf({"/home/cad/parts", "/home/cad/parts/std", "/home/cad/", "/home/cad", "/home/cadx/a",
                            "/home/CAD/a", "rel"});
    Relativ(list, "/home/cad", PathStyle::Posix);
    EXPECT_EQ(list.entries(),
              (Entries{"parts", "parts/std", "", "/home/cad", "/home/cadx/a", "/home/CAD/a", "rel"}));

    PathList root = listOf({"/home", "/home/cad"});
    Relativ(root, "/", PathStyle::Posix);
    EXPECT_EQ(root.entries(), (Entries{"home", "home/cad"}));

    // A second run changes only what still begins with the start position.
    PathList twice = listOf({"/a/b/a/b/c"});
    Relativ(twice, "/a/b", PathStyle::Posix);
    Relativ(twice, "/a/b", PathStyle::Posix);
    EXPECT_EQ(twice.entries(), Entries{"a/b/c"});
}

}  // namespace
}  // namespace dirnal
