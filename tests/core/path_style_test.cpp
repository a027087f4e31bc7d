#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "core/path_style.h"

namespace dirnal {
namespace {

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

}  // namespace
}  // namespace dirnal
