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

TEST(DisplayOrder, IgnoresLetterCaseAndBreaksTiesByExactName)
{
    EXPECT_EQ(sorted({"cherry", "Banana", "apple", "banana", "Apple"}),
              (std::vector<std::string>{"Apple", "apple", "Banana", "banana", "cherry"}));
    EXPECT_EQ(sorted({"abc", "ab", "ABD", "a"}), (std::vector<std::string>{"a", "ab", "abc", "ABD"}));
}

TEST(DisplayOrder, FoldsLatin1LettersToo)
{
    // "Ärger" and "ärger" sort together, after plain "Z" names.
    EXPECT_EQ(sorted({"ärger", "Zebra", "Ärger", "ab"}),
              (std::vector<std::string>{"ab", "Zebra", "Ärger", "ärger"}));
}

TEST(DisplayOrder, IsAStrictOrderAlsoForInvalidUtf8)
{
    const std::vector<std::string> names{"a\xff", "a\xfe", "A\xff", "a", "\xc3", "\xc3\xa4", "", "a\xc3"};
    for (const auto& x : names) {
        EXPECT_FALSE(displayOrderLess(x, x));
        for (const auto& y : names) {
            if (x != y) {
                EXPECT_NE(displayOrderLess(x, y), displayOrderLess(y, x)) << x << " / " << y;
            }
        }
    }
}

}  // namespace
}  // namespace dirnal
