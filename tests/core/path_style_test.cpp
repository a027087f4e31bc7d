#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <utility>
#include <vector>

#include "core/path_style.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;

TEST(JoinRule, AddsExactlyOneSeparator)
{
    EXPECT_EQ(joinPath("C:\\temp", kListFileName, PathStyle::Windows), "C:\\temp\\dirnal.lst");
    EXPECT_EQ(joinPath("C:\\", kListFileName, PathStyle::Windows), "C:\\dirnal.lst");
    EXPECT_EQ(joinPath("/home/cad", kListFileName, PathStyle::Posix), "/home/cad/dirnal.lst");
    EXPECT_EQ(joinPath("/", kListFileName, PathStyle::Posix), "/dirnal.lst");
    // The other style's separator is just a character.
    EXPECT_EQ(joinPath("/tmp\\", "x", PathStyle::Posix), "/tmp\\/x");
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

constexpr PathStyle W = PathStyle::Windows, P = PathStyle::Posix;

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

}  // namespace
}  // namespace dirnal
