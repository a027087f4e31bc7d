#include <gtest/gtest.h>

#include <map>

#include "core/path_conversions.h"
#include "platform/module1.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;
constexpr PathStyle W = PathStyle::Windows;

// Drives as a table: root -> share ("" for a local drive).
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

TEST(GetDriveList, ListsTheDrivesInThePlatformsOrder)
{
    EXPECT_EQ(GetDriveList(kDrives), (Entries{"A:", "C:", "X:"}));
    EXPECT_EQ(GetDriveList(NoDrives()), Entries{});
}

TEST(DriveToUNC, ConvertsConnectedDrivesAndAlwaysEndsWithASeparator)
{
    EXPECT_EQ(DriveToUNC("X:\\proj", kDrives, W), "\\\\srv\\data\\proj\\");
    EXPECT_EQ(DriveToUNC("X:", kDrives, W), "\\\\srv\\data\\");
    EXPECT_EQ(DriveToUNC("X", kDrives, W), "\\\\srv\\data\\");
    EXPECT_EQ(DriveToUNC("C:\\proj", kDrives, W), "C:\\proj\\");
    EXPECT_EQ(DriveToUNC("\\\\srv\\data\\proj", kDrives, W), "\\\\srv\\data\\proj\\");
    EXPECT_EQ(DriveToUNC("parts", kDrives, W), "parts\\");
    EXPECT_EQ(DriveToUNC("", kDrives, W), "\\");
}

TEST(UNCToDrive, FindsTheDriveWhoseShareBeginsThePath)
{
    EXPECT_EQ(UNCToDrive("\\\\srv\\data\\proj", kDrives, W), "X:\\proj\\");
    EXPECT_EQ(UNCToDrive("\\\\SRV\\Data\\proj\\", kDrives, W), "X:\\proj\\");
    EXPECT_EQ(UNCToDrive("\\\\srv\\data", kDrives, W), "X:\\");
    EXPECT_EQ(UNCToDrive("\\\\srv\\database\\x", kDrives, W), "\\\\srv\\database\\x\\");
    EXPECT_EQ(UNCToDrive("c:\\proj", kDrives, W), "C:\\proj\\");
    EXPECT_EQ(UNCToDrive("X:\\proj", kDrives, W), "X:\\proj\\");
    EXPECT_EQ(UNCToDrive("\\\\other\\share\\x", kDrives, W), "\\\\other\\share\\x\\");
    EXPECT_EQ(UNCToDrive("\\\\SRV\\Data\\Proj\\Teil", kDrives, W), "X:\\Proj\\Teil\\") << "the rest keeps its case";
}

TEST(UNCToDrive, TheLowestDriveWinsNotTheLongestShare)
{
    const TableDrives twice({{"A", ""}, {"C", ""}, {"X", "\\\\srv\\data"}, {"Y", "\\\\srv\\data"}});
    EXPECT_EQ(UNCToDrive("\\\\srv\\data\\proj", twice, W), "X:\\proj\\");
    const TableDrives nested({{"X", "\\\\srv\\data"}, {"Y", "\\\\srv\\data\\sub"}});
    EXPECT_EQ(UNCToDrive("\\\\srv\\data\\sub\\z", nested, W), "X:\\sub\\z\\");
}

TEST(ListConversions, RewriteEntriesAndStartPositionWithOneSeparatorLess)
{
    const PathConverter toUNC = [](const std::string& p) { return DriveToUNC(p, kDrives, W); };
    const PathConverter toDir = [](const std::string& p) { return UNCToDrive(p, kDrives, W); };
    const Entries input{"X:\\proj", "X:\\", "X:", "\\\\srv\\data\\proj", "\\\\srv\\data", "c:\\proj",
                        "C:\\", "C:\\proj\\", "parts", "", "C:\\proj\\\\"};

    PathList list;
    list.assign(input);
    std::string start = "C:\\";
    ConvertToUNC(list, start, toUNC, W);
    EXPECT_EQ(list.entries(), (Entries{"\\\\srv\\data\\proj", "\\\\srv\\data", "\\\\srv\\data", "\\\\srv\\data\\proj",
                                       "\\\\srv\\data", "c:\\proj", "C:", "C:\\proj", "parts", "", "C:\\proj\\"}));
    EXPECT_EQ(start, "C:");

    list.assign(input);
    start = "\\\\srv\\data\\work";
    ConvertToDir(list, start, toDir, W);
    EXPECT_EQ(list.entries(), (Entries{"X:\\proj", "X:", "X:", "X:\\proj", "X:", "C:\\proj", "C:", "C:\\proj",
                                       "parts", "", "C:\\proj\\"}));
    EXPECT_EQ(start, "X:\\work");
}

TEST(ListConversions, ThereAndBackGivesTheDrivePathAgain)
{
    PathList list;
    list.assign({"X:\\proj", "\\\\srv\\data\\proj", "c:\\proj"});
    std::string start = "X:\\proj";
    ConvertToUNC(list, start, [](const std::string& p) { return DriveToUNC(p, kDrives, W); }, W);
    EXPECT_EQ(list.entryAt(0), "\\\\srv\\data\\proj");
    ConvertToDir(list, start, [](const std::string& p) { return UNCToDrive(p, kDrives, W); }, W);
    EXPECT_EQ(list.entries(), (Entries{"X:\\proj", "X:\\proj", "C:\\proj"}));
    EXPECT_EQ(start, "X:\\proj");
}

TEST(ListConversions, WithoutDrivesOnlyATrailingSeparatorGoes)
{
    const NoDrives none;
    PathList list;
    list.assign({"/home/cad/", "/home/cad", "/", "rel/", ""});
    std::string start = "/";
    ConvertToUNC(list, start, [&](const std::string& p) { return DriveToUNC(p, none, PathStyle::Posix); },
                 PathStyle::Posix);
    EXPECT_EQ(list.entries(), (Entries{"/home/cad", "/home/cad", "/", "rel", ""}));
    EXPECT_EQ(start, "/") << "the root stays a path";
    ConvertToDir(list, start, [&](const std::string& p) { return UNCToDrive(p, none, PathStyle::Posix); },
                 PathStyle::Posix);
    EXPECT_EQ(list.entries(), (Entries{"/home/cad", "/home/cad", "/", "rel", ""}));
}

#ifndef _WIN32
TEST(PathNames, PosixHasOneNamePerPath)
{
    EXPECT_EQ(ShortPathName("/home/a long name"), "/home/a long name");
    EXPECT_EQ(LongPathName("/home/x"), "/home/x");
    EXPECT_TRUE(GetDriveList(platformDrives()).empty());
}
#endif

}  // namespace
}  // namespace dirnal
