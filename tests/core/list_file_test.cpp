#include <gtest/gtest.h>

#include "core/list_file.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;
constexpr std::size_t kNoLimit = 1000;

TEST(ListFileFormat, EveryEntryEndsWithCrLfAndEmptyEntriesAreEmptyLines)
{
    const std::string bytes = encodeListFile({"C:\\a", "", "C:\\b"});
    EXPECT_EQ(bytes, std::string("C:\\a\r\n\r\nC:\\b\r\n"));
    EXPECT_EQ(bytes.size(), 14u);
    EXPECT_EQ(encodeListFile({}), "");
    EXPECT_EQ(encodeListFile({""}), "\r\n");
    EXPECT_EQ(encodeListFile({" mit Leerzeichen ", "\"C:\\q\""}), " mit Leerzeichen \r\n\"C:\\q\"\r\n");
}

TEST(ListFileFormat, CrLfLoneCrAndLoneLfEachEndALine)
{
    EXPECT_EQ(decodeListFile("a\r\n\r\nb\r\n", kNoLimit).entries, (Entries{"a", "", "b"}));
    EXPECT_EQ(decodeListFile("a\rb\r", kNoLimit).entries, (Entries{"a", "b"}));
    EXPECT_EQ(decodeListFile("a\nb\n\nc", kNoLimit).entries, (Entries{"a", "b", "", "c"}));
    EXPECT_EQ(decodeListFile("a\r\nb\nc\rd", kNoLimit).entries, (Entries{"a", "b", "c", "d"}));
    // LF CR is two endings: the CR ends an empty line.
    EXPECT_EQ(decodeListFile("a\n\rb", kNoLimit).entries, (Entries{"a", "", "b"}));
}

TEST(ListFileFormat, TheLastLineCountsWithOrWithoutItsEnding)
{
    EXPECT_EQ(decodeListFile("a\r\nlast", kNoLimit).entries, (Entries{"a", "last"}));
    EXPECT_EQ(decodeListFile("", kNoLimit).entries, Entries{});
    EXPECT_EQ(decodeListFile("\r\n", kNoLimit).entries, Entries{""});
    EXPECT_EQ(decodeListFile("\r\n\r\n", kNoLimit).entries, (Entries{"", ""}));
    EXPECT_EQ(decodeListFile("  \t ", kNoLimit).entries, Entries{"  \t "}) << "nothing is trimmed";
}

TEST(ListFileFormat, KeepsAtMostTheGivenNumberOfLinesAndCountsTheRest)
{
    const DecodedListFile file = decodeListFile("1\r\n2\r\n3\r\n4\r\n\r\n", 2);
    EXPECT_EQ(file.entries, (Entries{"1", "2"}));
    EXPECT_EQ(file.linesLeftOut, 3);
    EXPECT_EQ(decodeListFile("1\r\n", 0).linesLeftOut, 1);
}

TEST(ListFileFormat, WhatIsWrittenReadsBackTheSame)
{
    const Entries entries{"C:\\Daten", "", "\\\\srv\\cad\\teile", "mapkey x", "", "/home/anna/Größe", "\xff\xfe"};
    const DecodedListFile file = decodeListFile(encodeListFile(entries), kNoLimit);
    EXPECT_EQ(file.entries, entries);
    EXPECT_EQ(file.linesLeftOut, 0);
}

}  // namespace
}  // namespace dirnal
