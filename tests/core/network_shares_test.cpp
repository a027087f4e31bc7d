#include <gtest/gtest.h>

#include <map>

#include "core/network_shares.h"
#include "core/path_conversions.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;
constexpr PathStyle W = PathStyle::Windows;

// Drives as a table: letter -> share ("" for a local drive), in letter order.
class TableDrives final : public DriveTable {
public:
    explicit TableDrives(std::map<std::string, std::string> drives) : drives_(std::move(drives)) {}
    std::vector<std::string> driveRoots() const override
    {
        std::vector<std::string> roots;
        for (const auto& [letter, share] : drives_)
            roots.push_back(letter + ":\\");
        return roots;
    }
    std::optional<std::string> remoteName(const std::string& localName) const override
    {
        if (localName.size() != 2 || localName[1] != ':')
            return std::nullopt;
        const auto found = drives_.find(localName.substr(0, 1));
        if (found == drives_.end() || found->second.empty())
            return std::nullopt;
        return found->second;
    }

private:
    std::map<std::string, std::string> drives_;
};

const TableDrives kDrives({{"A", ""}, {"C", ""}, {"X", "\\\\srv\\data"}});
const TableDrives kSameShareTwice({{"A", ""}, {"X", "\\\\srv\\data"}, {"Y", "\\\\srv\\data"}});
const TableDrives kNestedShares({{"X", "\\\\srv\\data"}, {"Y", "\\\\srv\\data\\sub"}});

TEST(NetworkShares, GetDriveListNamesTheDrivesInThePlatformsOrder)
{
    EXPECT_EQ(GetDriveList(kDrives), (Entries{"A:", "C:", "X:"}));
    EXPECT_EQ(GetDriveList(NoDrives()), Entries{});
}

TEST(NetworkShares, PathsConvertBetweenDriveAndShareAndAlwaysEndWithASeparator)
{
    using Convert = std::string (*)(const std::string&, const DriveTable&, PathStyle);
    const struct {
        Convert convert;
        const DriveTable& drives;
        std::string path;
        std::string expected;
    } cases[] = {
        {DriveToUNC, kDrives, "X:\\proj", "\\\\srv\\data\\proj\\"},
        {DriveToUNC, kDrives, "X:", "\\\\srv\\data\\"},
        {DriveToUNC, kDrives, "X", "\\\\srv\\data\\"},  // a single letter is a drive
        {DriveToUNC, kDrives, "C:\\proj", "C:\\proj\\"},
        {DriveToUNC, kDrives, "\\\\srv\\data\\proj", "\\\\srv\\data\\proj\\"},
        {DriveToUNC, kDrives, "parts", "parts\\"},
        {DriveToUNC, kDrives, "", "\\"},
        {UNCToDrive, kDrives, "\\\\srv\\data\\proj", "X:\\proj\\"},
        {UNCToDrive, kDrives, "\\\\SRV\\Data\\proj\\", "X:\\proj\\"},
        {UNCToDrive, kDrives, "\\\\srv\\data", "X:\\"},
        {UNCToDrive, kDrives, "\\\\srv\\database\\x", "\\\\srv\\database\\x\\"},  // a share ends at a separator
        {UNCToDrive, kDrives, "c:\\proj", "C:\\proj\\"},                          // the drive as the platform spells it
        {UNCToDrive, kDrives, "X:\\proj", "X:\\proj\\"},
        {UNCToDrive, kDrives, "\\\\other\\share\\x", "\\\\other\\share\\x\\"},
        {UNCToDrive, kDrives, "\\\\SRV\\Data\\Proj\\Teil", "X:\\Proj\\Teil\\"},  // the rest keeps its case
        {UNCToDrive, kSameShareTwice, "\\\\srv\\data\\proj", "X:\\proj\\"},     // the first drive wins...
        {UNCToDrive, kNestedShares, "\\\\srv\\data\\sub\\z", "X:\\sub\\z\\"},   // ... not the longest share
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.convert(c.path, c.drives, W), c.expected) << c.path;
}

TEST(NetworkShares, ListConversionsRewriteEntriesAndStartPositionWithOneSeparatorLess)
{
    const NoDrives none;
    const Entries mixed{"X:\\proj", "X:\\", "X:", "\\\\srv\\data\\proj", "\\\\srv\\data", "c:\\proj",
                        "C:\\",     "C:\\proj\\", "parts", "", "C:\\proj\\\\"};
    const Entries posix{"/home/cad/", "/home/cad", "/", "rel/", ""};
    const struct {
        bool toShares;
        const DriveTable& drives;
        PathStyle style;
        const Entries& entries;
        std::string start;
        Entries expected;
        std::string expectedStart;
    } cases[] = {
        {true, kDrives, W, mixed, "X:\\proj",
         {"\\\\srv\\data\\proj", "\\\\srv\\data", "\\\\srv\\data", "\\\\srv\\data\\proj", "\\\\srv\\data", "c:\\proj",
          "C:", "C:\\proj", "parts", "", "C:\\proj\\"},
         "\\\\srv\\data\\proj"},
        {false, kDrives, W, mixed, "\\\\srv\\data\\work",
         {"X:\\proj", "X:", "X:", "X:\\proj", "X:", "C:\\proj", "C:", "C:\\proj", "parts", "", "C:\\proj\\"},
         "X:\\work"},
        // Without drives only a trailing separator goes, and a root stays a path.
        {true, none, PathStyle::Posix, posix, "/", {"/home/cad", "/home/cad", "/", "rel", ""}, "/"},
        {false, none, PathStyle::Posix, posix, "/", {"/home/cad", "/home/cad", "/", "rel", ""}, "/"},
    };
    for (const auto& c : cases) {
        PathList list;
        list.assign(c.entries);
        std::string start = c.start;
        const DriveTable& drives = c.drives;
        const PathStyle style = c.style;
        if (c.toShares)
            ConvertToUNC(list, start, [&](const std::string& p) { return DriveToUNC(p, drives, style); }, style);
        else
            ConvertToDir(list, start, [&](const std::string& p) { return UNCToDrive(p, drives, style); }, style);
        EXPECT_EQ(list.entries(), c.expected) << c.start;
        EXPECT_EQ(start, c.expectedStart);
    }
}

}  // namespace
}  // namespace dirnal
