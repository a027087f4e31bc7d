// The Win32 platform layer, run under Windows or Wine.
#include <gtest/gtest.h>

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "core/list_file.h"
#include "core/network_shares.h"
#include "platform/dir_exists.h"
#include "platform/file_exists.h"
#include "platform/file_io.h"
#include "platform/list_file_encoding.h"
#include "platform/platform_drives.h"
#include "platform/short_names.h"
#include "platform/user_folders.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_directory_lister.h"
#include "support/temp_tree.h"

namespace dirnal {
namespace {

using testing::contentOf;
using testing::TempTree;
using Entries = std::vector<std::string>;
using Kind = FileError::Kind;

TEST(Win32Folders, AreToldFromFilesAndListedInDisplayOrderWithoutHiddenOrSystemOnesAndTheirLongNamesTurnShortAndBack)
{
    TempTree tree;
    for (const char* name : {"beta", "Alpha", "gamma dir", "Ärger", "zulu", "versteckt", "system", "Teile Ärger"})
        tree.mkdir(name);
    ::SetFileAttributesW(win32::widen(tree.path("versteckt")).c_str(), FILE_ATTRIBUTE_HIDDEN);
    ::SetFileAttributesW(win32::widen(tree.path("system")).c_str(), FILE_ATTRIBUTE_SYSTEM);
    const std::string file = tree.touch("file.txt", "x");
    const std::tuple<std::string, bool, bool> queries[] = {  // path, a folder, a file (DirExists, FileExists)
        {"C:\\windows", true, false}, {"C:\\windows\\", true, false}, {"c:\\WINDOWS", true, false},
        {"C:\\", true, false}, {"C:\\windows\\win.ini", false, true}, {"C:\\gibt\\es\\nicht", false, false},
        {"", false, false}, {"C:\\a|b", false, false}, {executableDirectory() + "\\platform_tests.exe", false, true},
        {file, false, true}, {tree.path("versteckt"), true, false}};
    for (const auto& [path, isFolder, isFile] : queries)
        EXPECT_EQ(std::pair(DirExists(path), FileExists(path)), std::pair(isFolder, isFile)) << path;
    const std::string documents = documentsDirectory().value_or("none");
    EXPECT_TRUE(DirExists(documents) && canCreateFileIn(documents)) << documents;
    EXPECT_FALSE(canCreateFileIn(file) || canCreateFileIn(tree.path("gibt es nicht")));

    const Win32DirectoryLister lister;
    const DirectoryListing listing = lister.list(tree.root());
    EXPECT_EQ(std::tuple(listing.status, listing.subdirectories, listing.throughLink),
              std::tuple(DirectoryListing::Status::Listed,
                         Entries{tree.path("Alpha"), tree.path("beta"), tree.path("gamma dir"), tree.path("Teile Ärger"),
                                 tree.path("zulu"), tree.path("Ärger")}, std::vector<char>(6, 0)));
    EXPECT_NE(lister.identityOf(tree.path("beta")), lister.identityOf(tree.path("zulu")));
    EXPECT_EQ(lister.list(tree.root() + "\\").subdirectories, listing.subdirectories);
    EXPECT_EQ(Win32DirectoryLister(HiddenFolders::Listed).list(tree.root()).subdirectories.size(), 8u)
        << "hidden and system folders too";
    EXPECT_EQ(lister.list(file).status, DirectoryListing::Status::NotADirectory);

    const std::vector<std::string> atRoot = lister.list("C:\\").subdirectories;
    ASSERT_FALSE(atRoot.empty());
    EXPECT_TRUE(atRoot.front().starts_with("C:\\") && atRoot.front()[3] != '\\') << "a root joins with one separator";

    // A long name turns short and back, and keeps its umlaut.
    const std::string longPath = tree.path("Teile Ärger"), shortPath = ShortPathName(longPath);
    EXPECT_NE(shortPath.find('~'), std::string::npos) << shortPath;
    EXPECT_EQ(LongPathName(shortPath), LongPathName(longPath));
    EXPECT_NE(LongPathName(shortPath).find("Teile Ärger"), std::string::npos);
    EXPECT_EQ(ShortPathName(tree.path("gibt es nicht")), "");
}

TEST(Win32Drives, LocalDrivesConvertNothingButTheSeparator)
{
    const DriveTable& table = platformDrives();
    EXPECT_EQ(std::ranges::count(GetDriveList(table), "C:"), 1);
    EXPECT_EQ(DriveToUNC("C:\\windows", table, PathStyle::Windows), "C:\\windows\\");
    EXPECT_EQ(UNCToDrive("c:\\windows", table, PathStyle::Windows), "C:\\windows\\");
}

TEST(Win32ListFile, WritesTheAnsiCodePageReadsItBackAndFailuresKeepTheOldFile)
{
    ASSERT_EQ(::GetACP(), 1252u);
    TempTree tree;
    const std::string file = tree.path("dirnal.lst");
    // Names planted where an earlier program made its temporary files, from its process number, block nothing.
    for (int n = 0; n < 150; ++n)
        tree.touch(".dirnal.lst." + std::to_string(::GetCurrentProcessId()) + "." + std::to_string(n) + ".tmp");
    const Entries entries{"C:\\Größe", "", "\\\\srv\\cad", ""};
    Entries lines(entries.size());
    std::ranges::transform(entries, lines.begin(), [](const std::string& e) { return toListFileEncoding(e).value(); });
    ASSERT_FALSE(replaceFileContent(file, encodeListFile(lines)));
    // Exactly or not at all: no look-alike "O" for the Omega, no "?".
    for (const char* unheld : {"C:\\cad\\\xCE\xA9mega", "C:\\cad\\\xE6\x97\xA5\xE6\x9C\xAC", "\xEF\xBF\xBD"})
        EXPECT_EQ(toListFileEncoding(unheld), std::nullopt) << unheld;
    EXPECT_EQ(listFileCodePage(), 1252u);
    EXPECT_EQ(contentOf(file), "C:\\Gr\xF6\xDF" "e\r\n\r\n\\\\srv\\cad\r\n\r\n");

    Entries back = decodeListFile(readFileContent(file, 1000).bytes, 100).entries;
    std::ranges::transform(back, back.begin(), fromListFileEncoding);
    EXPECT_EQ(back, entries);

    // A hidden file stays hidden; a second hard link sees the new list.
    const std::wstring wideFile = win32::widen(file);
    ::SetFileAttributesW(wideFile.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_FALSE(replaceFileContent(file, "neu\r\n"));
    EXPECT_EQ(contentOf(file), "neu\r\n");
    EXPECT_TRUE(::GetFileAttributesW(wideFile.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    // So does an access list of its own.
    const auto accessList = [&] {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        LPWSTR text = nullptr;
        ::GetNamedSecurityInfoW(wideFile.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                                nullptr, &descriptor);
        ::ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                               &text, nullptr);
        const std::string list = text ? win32::narrow(text) : "";
        ::LocalFree(text), ::LocalFree(descriptor);
        return list;
    };
    PSECURITY_DESCRIPTOR own = nullptr;
    ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;FA;;;WD)(A;;FR;;;BU)", SDDL_REVISION_1,
                                                                       &own, nullptr));
    ASSERT_TRUE(::SetFileSecurityW(wideFile.c_str(), DACL_SECURITY_INFORMATION, own));
    ::LocalFree(own);
    const std::string before = accessList();
    ASSERT_FALSE(replaceFileContent(file, "neu\r\n"));
    EXPECT_EQ(accessList(), before);
    const std::string other = tree.path("andere.lst");
    ASSERT_TRUE(::CreateHardLinkW(win32::widen(other).c_str(), wideFile.c_str(), nullptr));
    ASSERT_FALSE(replaceFileContent(other, "neu\r\n\r\n"));
    EXPECT_EQ(contentOf(file), "neu\r\n\r\n");
    ASSERT_TRUE(::DeleteFileW(win32::widen(other).c_str()));

    ::SetFileAttributesW(wideFile.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::pair<std::string, Kind> failures[] = {  // where, why; the read-only file keeps its content
        {"NUL", Kind::NotRegularFile}, {"\\\\.\\pipe\\dirnal", Kind::NotRegularFile}, {file, Kind::AccessDenied},
        {tree.path("fehlt\\dirnal.lst"), Kind::MissingDirectory}, {tree.mkdir("ordner.lst"), Kind::IsDirectory}};
    for (const auto& [path, kind] : failures)
        EXPECT_EQ(replaceFileContent(path, "alt\r\n").value_or(FileError{}).kind, kind) << path;
    EXPECT_EQ(contentOf(file), "neu\r\n\r\n");
    EXPECT_EQ(readFileContent(tree.path("fehlt.lst"), 1000).error.value().kind, Kind::NotFound);
    EXPECT_TRUE(canCreateFileIn(tree.root()));  // and the file it tried with is gone
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(testing::nativePath(tree.root())), {}), 2 + 150)
        << "no temporary file or recovery copy is left";
}

}  // namespace
}  // namespace dirnal
