#include <gtest/gtest.h>

#include "core/network_shares.h"
#include "support/session_fakes.h"

namespace dirnal {
namespace {

constexpr PathStyle W = PathStyle::Windows;

const testing::FakeDrives kDrives({{"A:", ""}, {"C:", ""}, {"X:", "\\\\srv\\data"}});
const testing::FakeDrives kSameShareTwice({{"A:", ""}, {"X:", "\\\\srv\\data"}, {"Y:", "\\\\srv\\data"}});
const testing::FakeDrives kNestedShares({{"X:", "\\\\srv\\data"}, {"Y:", "\\\\srv\\data\\sub"}});

TEST(NetworkShares, PathsConvertBetweenDriveAndShareAndAlwaysEndWithASeparator)
{
    using Convert = std::string (*)(const std::string&, const DriveTable&, PathStyle);
    const struct {
        Convert convert;
        const DriveTable& drives;
        std::string path;
        std::string expected;
    } cases[] = {
        // The session's conversion test goes through the common cases; here what it does not show.
        {DriveToUNC, kDrives, "X", "\\\\srv\\data\\"},  // a single letter is a drive
        {UNCToDrive, kDrives, "\\\\SRV\\Data\\Proj\\Teil\\", "X:\\Proj\\Teil\\"},  // the rest keeps its case
        {UNCToDrive, kDrives, "\\\\srv\\database\\x", "\\\\srv\\database\\x\\"},  // a share ends at a separator
        {UNCToDrive, kSameShareTwice, "\\\\srv\\data\\proj", "X:\\proj\\"},  // the first drive wins...
        {UNCToDrive, kNestedShares, "\\\\srv\\data\\sub\\z", "X:\\sub\\z\\"},  // ... not the longest share
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.convert(c.path, c.drives, W), c.expected) << c.path;
}

}  // namespace
}  // namespace dirnal
