// The Win32 platform layer, run under Windows or Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/list_file.h"
#include "core/network_shares.h"
#include "core/path_conversions.h"
#include "platform/dir_exists.h"
#include "platform/file_exists.h"
#include "platform/file_io.h"
#include "platform/list_file_encoding.h"
#include "platform/platform_drives.h"
#include "platform/short_names.h"
#include "platform/win32/wide.h"
#include "platform/win32_directory_lister.h"

namespace dirnal {
namespace {

namespace fs = std::filesystem;
using Entries = std::vector<std::string>;

std::string utf8(const fs::path& path)
{
    return win32::narrow(path.wstring());
}

fs::path wide(const std::string& path)
{
    return fs::path(win32::widen(path));
}

// A fresh folder below the temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder()
    {
        static int counter = 0;
        path_ = fs::temp_directory_path() /
                (L"dirnal-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(counter++));
        fs::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code error;
        for (const auto& entry : fs::recursive_directory_iterator(path_, error))
            ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(path_, error);
    }
    std::string root() const { return utf8(path_); }
    std::string mkdir(const std::string& name) const
    {
        fs::create_directories(path_ / wide(name));
        return utf8(path_ / wide(name));
    }
    std::string path(const std::string& name) const { return utf8(path_ / wide(name)); }

private:
    fs::path path_;
};

std::string contentOf(const std::string& path)
{
    std::ifstream in(wide(path), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(Win32DirExists, DirectoriesRootsFilesAndMissingPaths)
{
    EXPECT_TRUE(DirExists("C:\\windows"));
    EXPECT_TRUE(DirExists("C:\\windows\\"));
    EXPECT_TRUE(DirExists("c:\\WINDOWS"));
    EXPECT_TRUE(DirExists("C:\\"));
    EXPECT_FALSE(DirExists("C:\\windows\\win.ini"));
    EXPECT_TRUE(FileExists("C:\\windows\\win.ini"));
    EXPECT_FALSE(DirExists("C:\\gibt\\es\\nicht"));
    EXPECT_FALSE(DirExists(""));
    EXPECT_FALSE(DirExists("C:\\a|b"));
}

TEST(Win32Lister, ListsInDisplayOrderWithoutHiddenOrSystemDirectories)
{
    TempFolder folder;
    for (const char* name : {"beta", "Alpha", "gamma dir", "Ärger", "zulu", "versteckt", "system"})
        folder.mkdir(name);
    ::SetFileAttributesW(wide(folder.path("versteckt")).c_str(), FILE_ATTRIBUTE_HIDDEN);
    ::SetFileAttributesW(wide(folder.path("system")).c_str(), FILE_ATTRIBUTE_SYSTEM);
    std::ofstream(wide(folder.path("file.txt"))) << "x";

    const Win32DirectoryLister lister;
    const DirectoryListing listing = lister.list(folder.root());
    ASSERT_EQ(listing.status, DirectoryListing::Status::Listed);
    const std::string r = folder.root() + "\\";
    EXPECT_EQ(listing.subdirectories, (Entries{r + "Alpha", r + "beta", r + "gamma dir", r + "zulu", r + "Ärger"}));
    EXPECT_EQ(listing.throughLink, (std::vector<char>{0, 0, 0, 0, 0}));
    EXPECT_TRUE(lister.identityOf(r + "beta").has_value());
    EXPECT_NE(lister.identityOf(r + "beta"), lister.identityOf(r + "zulu"));
    EXPECT_EQ(lister.list(folder.root() + "\\").subdirectories, listing.subdirectories);
    EXPECT_EQ(lister.list(folder.path("file.txt")).status, DirectoryListing::Status::NotADirectory);

    const std::vector<std::string> atRoot = lister.list("C:\\").subdirectories;
    ASSERT_FALSE(atRoot.empty());
    EXPECT_EQ(atRoot.front().substr(0, 3), "C:\\") << "a root joins with one separator";
    EXPECT_NE(atRoot.front()[3], '\\');
}

TEST(Win32Drives, LocalDrivesConvertNothingButTheSeparator)
{
    const std::vector<std::string> drives = GetDriveList(platformDrives());
    ASSERT_FALSE(drives.empty());
    EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end()));
    EXPECT_NE(std::find(drives.begin(), drives.end(), "C:"), drives.end());
    for (const std::string& drive : drives)
        EXPECT_EQ(drive.size(), 2u);

    const DriveTable& table = platformDrives();
    EXPECT_EQ(DriveToUNC("C:\\windows", table, PathStyle::Windows), "C:\\windows\\");
    EXPECT_EQ(DriveToUNC("C:", table, PathStyle::Windows), "C:\\");
    EXPECT_EQ(UNCToDrive("c:\\windows", table, PathStyle::Windows), "C:\\windows\\");
    EXPECT_EQ(UNCToDrive("\\\\nobody\\share\\x", table, PathStyle::Windows), "\\\\nobody\\share\\x\\");
}

TEST(Win32Names, ALongNameTurnsShortAndBackAndKeepsItsUmlaut)
{
    TempFolder folder;
    const std::string longPath = folder.mkdir("Konstruktionsdaten Ärger");
    const std::string shortPath = ShortPathName(longPath);
    ASSERT_FALSE(shortPath.empty());
    EXPECT_NE(shortPath, longPath);
    EXPECT_NE(shortPath.find('~'), std::string::npos) << shortPath;
    EXPECT_EQ(LongPathName(shortPath), LongPathName(longPath));
    EXPECT_NE(LongPathName(shortPath).find("Konstruktionsdaten Ärger"), std::string::npos);
    EXPECT_EQ(ShortPathName(folder.path("gibt es nicht")), "");

    PathList list;
    list.assign({longPath, "C:\\gibt es nicht"});
    ConvertToShortNames(list, DirExists, ShortPathName);
    EXPECT_EQ(list.entryAt(0), shortPath);
    EXPECT_EQ(list.entryAt(1), "C:\\gibt es nicht");
}

TEST(Win32ListFile, WritesTheAnsiCodePageAndReadsItBack)
{
    ASSERT_EQ(::GetACP(), 1252u);
    EXPECT_EQ(toListFileEncoding("ä"), "\xE4");
    EXPECT_EQ(fromListFileEncoding("\xE4"), "ä");

    TempFolder folder;
    const std::string file = folder.path("dirnal.lst");
    const Entries entries{"C:\\Größe", "", "\\\\srv\\cad", ""};
    std::vector<std::string> lines;
    for (const std::string& entry : entries)
        lines.push_back(toListFileEncoding(entry));
    ASSERT_FALSE(replaceFileContent(file, encodeListFile(lines)));
    EXPECT_EQ(contentOf(file), "C:\\Gr\xF6\xDF" "e\r\n\r\n\\\\srv\\cad\r\n\r\n");

    const FileContent content = readFileContent(file);
    ASSERT_FALSE(content.error);
    Entries back;
    for (const std::string& line : decodeListFile(content.bytes, 100).entries)
        back.push_back(fromListFileEncoding(line));
    EXPECT_EQ(back, entries);

    ASSERT_FALSE(replaceFileContent(file, "neu\r\n"));
    EXPECT_EQ(contentOf(file), "neu\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(wide(folder.root())), {}), 1) << "no temporary file left";
}

TEST(Win32ListFile, FailuresKeepTheOldFile)
{
    TempFolder folder;
    const std::string file = folder.path("dirnal.lst");
    ASSERT_FALSE(replaceFileContent(file, "alt\r\n"));
    ::SetFileAttributesW(wide(file).c_str(), FILE_ATTRIBUTE_READONLY);
    const auto readOnly = replaceFileContent(file, "neu\r\n");
    ASSERT_TRUE(readOnly);
    EXPECT_EQ(readOnly->kind, FileError::Kind::AccessDenied);
    EXPECT_EQ(contentOf(file), "alt\r\n");

    const auto missing = replaceFileContent(folder.path("fehlt\\dirnal.lst"), "x");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->kind, FileError::Kind::MissingDirectory);
    EXPECT_EQ(replaceFileContent(folder.mkdir("ordner.lst"), "x")->kind, FileError::Kind::IsDirectory);
    EXPECT_EQ(readFileContent(folder.path("fehlt.lst")).error->kind, FileError::Kind::NotFound);
}

TEST(Win32ExecutableDirectory, HoldsThisProgram)
{
    EXPECT_TRUE(FileExists(executableDirectory() + "\\platform_tests.exe"));
}

}  // namespace
}  // namespace dirnal
