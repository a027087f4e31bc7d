#include <gtest/gtest.h>

#include "core/list_file.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;

TEST(ListFileFormat, EveryEntryEndsWithCrLfAndWhatIsWrittenReadsBackTheSame)
{
    EXPECT_EQ(encodeListFile({"C:\\a", "", " mit Leerzeichen "}), "C:\\a\r\n\r\n mit Leerzeichen \r\n");
    EXPECT_EQ(encodeListFile({}), "");
    const Entries entries{"C:\\Daten", "", "\\\\srv\\cad\\teile", "\"q\"", "", "/home/anna/Größe", "\xff\xfe"};
    const DecodedListFile file = decodeListFile(encodeListFile(entries), 1000);
    EXPECT_EQ(file.entries, entries);
    EXPECT_EQ(file.linesLeftOut + file.linesTooLong, 0);
}

TEST(ListFileFormat, CrLfLoneCrAndLoneLfEachEndALineAndTheLastLineCountsWithoutOne)
{
    const struct {
        std::string bytes;
        Entries lines;
    } cases[] = {
        {"a\r\n\r\nb\r\n", {"a", "", "b"}}, {"a\rb\r", {"a", "b"}}, {"a\nb\n\nc", {"a", "b", "", "c"}},
        {"a\n\rb", {"a", "", "b"}},  // LF CR: two endings
        {"", {}}, {"\r\n", {""}}, {"  \t ", {"  \t "}},  // nothing is trimmed
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeListFile(c.bytes, 1000).entries, c.lines) << c.bytes;
}

TEST(ListFileFormat, KeepsAtMostTheGivenNumberOfLinesAndCountsTheRest)
{
    const DecodedListFile file = decodeListFile("1\r\n2\r\n3\r\n4\r\n\r\n", 2);
    EXPECT_EQ(file.entries, (Entries{"1", "2"}));
    EXPECT_EQ(file.linesLeftOut, 3);
    EXPECT_EQ(decodeListFile("1\r\n", 0).linesLeftOut, 1);
}

}  // namespace
}  // namespace dirnal
