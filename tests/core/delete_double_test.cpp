#include <gtest/gtest.h>

#include "core/delete_double.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;

TEST(DeleteDouble, KeepsFirstOccurrencesExactlyAndNeverDropsEmptyOrMapkeyEntries)
{
    const struct {
        Entries input, expected;
    } cases[] = {
        {{"C:\\a", "C:\\b", "C:\\a", "c:\\A", "C:\\b", "C:\\b "}, {"C:\\a", "C:\\b", "c:\\A", "C:\\b "}},
        {{"", "mapkey x", "a", "", "mapkey x", "a", "mapkey"}, {"", "mapkey x", "a", "", "mapkey x", "mapkey"}},
        // Only the exact lower-case prefix protects an entry.
        {{"Mapkey y", "Mapkey y", " mapkey", " mapkey"}, {"Mapkey y", " mapkey"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withoutRepeats(c.input), c.expected);
}

}  // namespace
}  // namespace dirnal
