#include <gtest/gtest.h>

#include <algorithm>

#include "core/name_order.h"

namespace dirnal {
namespace {

std::vector<std::string> sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return displayOrderLess(a, b); });
    return names;
}

TEST(DisplayOrder, IgnoresLetterCaseAlsoOfLatin1AndBreaksTiesByExactName)
{
    EXPECT_EQ(sorted({"cherry", "Banana", "apple", "banana", "Apple", "abc", "ab"}),
              (std::vector<std::string>{"ab", "abc", "Apple", "apple", "Banana", "banana", "cherry"}));
    // "Ärger" and "ärger" sort together, after plain "Z" names.
    EXPECT_EQ(sorted({"ärger", "Zebra", "Ärger", "ab"}), (std::vector<std::string>{"ab", "Zebra", "Ärger", "ärger"}));
}

TEST(DisplayOrder, IsAStrictOrderAlsoForInvalidUtf8)
{
    const std::vector<std::string> names{"a\xff", "a\xfe", "A\xff", "a", "\xc3", "\xc3\xa4", "", "a\xc3"};
    // Of two different names exactly one comes first; no name before itself.
    for (const auto& x : names)
        for (const auto& y : names)
            EXPECT_EQ(displayOrderLess(x, y) + displayOrderLess(y, x), x == y ? 0 : 1) << x << " / " << y;
}

}  // namespace
}  // namespace dirnal
