// Paths: joining, their normal form, drives, and the conversions of the list.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "core/network_shares.h"
#include "core/path_conversions.h"
#include "core/path_style.h"
#include "support/session_fakes.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;

constexpr PathStyle W = PathStyle::Windows, P = PathStyle::Posix;

TEST(JoinRule, AddsExactlyOneSeparator)
{
    const std::tuple<std::string, std::string_view, PathStyle, std::string> cases[] = {  // folder, name, style, joined
        {"C:\\temp", kListFileName, W, "C:\\temp\\dirnal.lst"}, {"C:\\", kListFileName, W, "C:\\dirnal.lst"},
        {"/home/cad", kListFileName, P, "/home/cad/dirnal.lst"}, {"/", kListFileName, P, "/dirnal.lst"},
        {"/tmp\\", "x", P, "/tmp\\/x"}};  // the other style's separator is just a character
    for (const auto& [folder, name, style, joined] : cases)
        EXPECT_EQ(joinPath(folder, name, style), joined) << folder;
}

TEST(DirectoryPathForm, AbsoluteWithoutDotsOrATrailingSeparatorExceptAtTheRoot)
{
    const std::u8string here = std::filesystem::current_path().u8string();
    const std::string cwd(here.begin(), here.end());
#ifdef _WIN32
    const PathStyle style = PathStyle::Windows;
    const std::vector<std::pair<std::string, std::string>> cases{
        {"C:\\cad", "C:\\cad"}, {"C:\\cad\\", "C:\\cad"}, {"C:\\cad\\.\\teile\\..", "C:\\cad"},
        {"C:\\", "C:\\"}, {"C:\\Größe\\", "C:\\Größe"}, {".", cwd}, {"sub\\", cwd + "\\sub"},
        {"\\\\srv\\share\\cad\\..\\x y\\", "\\\\srv\\share\\x y"}, {"\\\\srv\\share\\..\\", "\\\\srv\\share"},
    };
#else
    const PathStyle style = PathStyle::Posix;
    const std::vector<std::pair<std::string, std::string>> cases{
        {"/srv/cad", "/srv/cad"}, {"/srv/cad/", "/srv/cad"}, {"/srv//cad/./teile/..", "/srv/cad"}, {"/", "/"},
        {"/srv/Gr\xf6\xdf" "e/", "/srv/Gr\xf6\xdf" "e"}, {".", cwd}, {"./", cwd}, {"sub/", cwd + "/sub"},
    };
#endif
    for (const auto& [given, expected] : cases)
        EXPECT_EQ(directoryPathForm(given, style), expected) << given;
}

TEST(Drives, ADriveIsTheDriveRootOrShareOnWindowsAndTheLongestMountPointOnPosix)
{
    const std::tuple<PathStyle, std::string, std::string> cases[] = {  // style, path, its drive
        {W, "c:\\cad", "C:\\"}, {W, "D:\\", "D:\\"}, {W, "d:", "D:\\"}, {W, "\\\\srv\\share\\cad", "\\\\srv\\share"},
        {W, "\\\\srv\\share", "\\\\srv\\share"}, {W, "cad\\teile", ""}, {W, "/home/cad", ""}, {P, "/home/anna", "/home"},
        {P, "/home", "/home"}, {P, "/home/shared/lib", "/home/shared"}, {P, "/homework", "/"}, {P, "/media/usb\\x", "/"}};
    for (const auto& [style, path, drive] : cases)
        EXPECT_EQ(driveOfPath(path, {"/", "/home", "/home/shared", "/media/usb"}, style), drive) << path;
}

TEST(Drives, TheChainOfFoldersRunsFromTheRootAndShowsEachByItsLastPart)
{
    const std::tuple<PathStyle, std::string, Entries, Entries> cases[] = {  // style, folder, chain, names
        {P, "/", {"/"}, {"/"}}, {P, "/home/cad", {"/", "/home", "/home/cad"}, {"/", "home", "cad"}},
        {P, "/a\\b", {"/", "/a\\b"}, {"/", "a\\b"}}, {W, "C:\\", {"C:\\"}, {"C:\\"}},
        {W, "c:\\Programme\\cad", {"c:\\", "c:\\Programme", "c:\\Programme\\cad"}, {"c:\\", "Programme", "cad"}},
        {W, "\\\\srv\\share", {"\\\\srv\\share"}, {"\\\\srv\\share"}},
        {W, "\\\\srv\\s\\x y", {"\\\\srv\\s", "\\\\srv\\s\\x y"}, {"\\\\srv\\s", "x y"}}};
    for (const auto& [style, folder, chain, names] : cases) {
        EXPECT_EQ(folderChain(folder, style), chain) << folder;
        for (std::size_t i = 0; i < chain.size(); ++i)
            EXPECT_EQ(folderDisplayName(chain[i], style), names[i]) << chain[i];
    }
}

TEST(ListConversions, RewriteEntriesInPlaceAndLeaveWhatTheyDoNotConvert)
{
    const std::string longName = "C:\\Programme\\Konstruktion", shortName = "C:\\PROGRA~1\\KONSTR~1";
    const std::set<std::string> directories{longName, shortName, "C:\\noname"};
    const DirectoryTest exists = [&](const std::string& p) { return directories.contains(p); };
    // The platform gives no short name for C:\noname: the entry stays.
    const PathConverter toShort = [&](const std::string& p) { return p == longName ? shortName : std::string(); };
    const PathConverter toLong = [&](const std::string& p) { return p == shortName ? longName : p; };
    const Entries quoting{"C:\\a", "\"C:\\b\"", "", "\"half", "in\"side", "\""};
    const Entries windows{"C:\\work\\parts", "C:\\work\\parts\\std", "C:\\work\\", "C:\\work", "C:\\workshop\\parts",
                          "c:\\work\\parts", "C:\\Work\\parts", "D:\\other", "", "already"};
    const std::tuple<const char*, Entries, std::function<void(PathList&)>, Entries> cases[] = {  // what, before, after
        {"quotes put on and off", quoting, ToggleQuotes,
         {"\"C:\\a\"", "C:\\b", "", "\"\"half\"", "\"in\"side\"", "\"\"\""}},
        {"toggled twice", quoting, [](PathList& l) { ToggleQuotes(l), ToggleQuotes(l); }, quoting},
        // The second toggle takes the quotes off what is quoted again, as it
        // does for every quoted entry; so only such entries do not come back.
        {"quoted again", {"\"\"C:\\a\"\"", "\"\""}, [](PathList& l) { ToggleQuotes(l), ToggleQuotes(l); }, {"C:\\a", ""}},
        {"one pair of quotes off", {"\"C:\\a\"", "\"\"C:\\b\"\"", "\"half", "in\"side", "\"", "\"\"", "plain"},
         StripQuotes, {"C:\\a", "\"C:\\b\"", "\"half", "in\"side", "\"", "", "plain"}},
        {"short names", {longName, "C:\\gibt es nicht", "", "C:\\noname"},
         [&](PathList& l) { ConvertToShortNames(l, exists, toShort); }, {shortName, "C:\\gibt es nicht", "", "C:\\noname"}},
        {"long names", {shortName, "C:\\gibt es nicht"}, [&](PathList& l) { ConvertToLongNames(l, exists, toLong); },
         {longName, "C:\\gibt es nicht"}},
        {"relative to C:\\work, case-sensitive", windows, [](PathList& l) { Relativ(l, "C:\\work", W); },
         {"parts", "parts\\std", "", "C:\\work", "C:\\workshop\\parts", "c:\\work\\parts", "C:\\Work\\parts", "D:\\other",
          "", "already"}},
        {"relative to a root", {"C:\\work", "C:\\work\\parts", "D:\\x"}, [](PathList& l) { Relativ(l, "C:\\", W); },
         {"work", "work\\parts", "D:\\x"}},
        // Only at the start, and only up to the style's own separator.
        {"relative on POSIX", {"/home/cad/parts", "/x/home/cad/y", "/home/cad\\z"},
         [](PathList& l) { Relativ(l, "/home/cad", P); }, {"parts", "/x/home/cad/y", "/home/cad\\z"}},
    };
    for (const auto& [what, entries, convert, expected] : cases) {
        PathList list;
        list.assign(entries);
        convert(list);
        EXPECT_EQ(list.entries(), expected) << what;
    }
}

const testing::FakeDrives kDrives({{"A:", ""}, {"C:", ""}, {"X:", "\\\\srv\\data"}});
const testing::FakeDrives kSameShareTwice({{"A:", ""}, {"X:", "\\\\srv\\data"}, {"Y:", "\\\\srv\\data"}});
const testing::FakeDrives kNestedShares({{"X:", "\\\\srv\\data"}, {"Y:", "\\\\srv\\data\\sub"}});

TEST(NetworkShares, PathsConvertBetweenDriveAndShareAndAlwaysEndWithASeparator)
{
    using Convert = std::string (*)(const std::string&, const DriveTable&, PathStyle);
    const std::tuple<Convert, const DriveTable&, std::string, std::string> cases[] = {  // how, drives, path, result
        // The session's conversion test goes through the common cases; here what it does not show.
        {DriveToUNC, kDrives, "X", "\\\\srv\\data\\"},  // a single letter is a drive
        {UNCToDrive, kDrives, "\\\\SRV\\Data\\Proj\\Teil\\", "X:\\Proj\\Teil\\"},  // the rest keeps its case
        {UNCToDrive, kDrives, "\\\\srv\\database\\x", "\\\\srv\\database\\x\\"},  // a share ends at a separator
        {UNCToDrive, kSameShareTwice, "\\\\srv\\data\\proj", "X:\\proj\\"},  // the first drive wins...
        {UNCToDrive, kNestedShares, "\\\\srv\\data\\sub\\z", "X:\\sub\\z\\"},  // ... not the longest share
    };
    for (const auto& [convert, drives, path, expected] : cases)
        EXPECT_EQ(convert(path, drives, W), expected) << path;
}

}  // namespace
}  // namespace dirnal
