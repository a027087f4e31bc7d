#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/file_io.h"
#include "support/temp_tree.h"

namespace dirnal {
namespace {

using testing::TempTree;
using Kind = FileError::Kind;
namespace fs = std::filesystem;

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// How many entries the folder holds: a temporary file left behind shows.
std::ptrdiff_t entriesIn(const fs::path& folder)
{
    std::error_code error;
    return fs::is_directory(folder, error) ? std::distance(fs::directory_iterator(folder), {}) : -1;
}

// Runs the write with every write past 1 KiB failing, as on a full disk.
std::optional<FileError> onAFullDisk(const std::function<std::optional<FileError>()>& write)
{
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto error = write();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    return error;
}

TEST(ReplaceFileContent, CreatesAndReplacesTheWholeContentAndFollowsALink)
{
    TempTree tree;
    const std::string file = tree.path("dirnal.lst");
    ASSERT_FALSE(replaceFileContent(file, "a long first content\r\n"));
    EXPECT_EQ(contentOf(file), "a long first content\r\n");
    const mode_t umask = ::umask(0);
    ::umask(umask);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0666 & ~umask));

    ::chmod(file.c_str(), 0640);
    ASSERT_FALSE(replaceFileContent(file, "short\r\n"));
    EXPECT_EQ(contentOf(file), "short\r\n");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640)) << "an old file keeps its permissions";
    ASSERT_FALSE(replaceFileContent(file, ""));
    EXPECT_EQ(fs::file_size(file), 0u);

    fs::create_symlink(file, tree.path("link.lst"));
    ASSERT_FALSE(replaceFileContent(tree.path("link.lst"), "new"));
    EXPECT_TRUE(fs::is_symlink(tree.path("link.lst")));
    EXPECT_EQ(contentOf(file), "new");
    EXPECT_EQ(entriesIn(tree.root()), 2) << "no temporary file is left";
}

TEST(ReplaceFileContent, FailuresSayWhyAndKeepTheOldFileByteForByteAlsoInAReadOnlyFolder)
{
    TempTree tree;
    const auto oldFile = [&](const std::string& folder, mode_t fileMode, mode_t folderMode) {
        const std::string file = tree.touch(folder + "/dirnal.lst", std::string(3000, 'o'));
        ::chmod(file.c_str(), fileMode);
        ::chmod(tree.path(folder).c_str(), folderMode);
        return file;
    };
    const struct {
        std::string path;
        Kind kind;
        bool fullDisk;
        bool rootMayWrite;
    } cases[] = {
        {tree.path("missing/dirnal.lst"), Kind::MissingDirectory, false, false},
        {tree.mkdir("folder/dirnal.lst"), Kind::IsDirectory, false, false},
        {oldFile("protected", 0444, 0700), Kind::AccessDenied, false, false},
        {oldFile("locked", 0644, 0555), Kind::AccessDenied, false, true},
        {oldFile("full", 0644, 0700), Kind::NoSpace, true, false},
        {"", Kind::NotFound, false, false},
    };
    for (const auto& c : cases) {
        if (c.rootMayWrite && testing::runningAsRoot())
            continue;
        const std::string before = contentOf(c.path);
        const auto folderEntries = entriesIn(fs::path(c.path).parent_path());
        const auto write = [&] { return replaceFileContent(c.path, std::string(5000, 'n')); };
        const auto error = c.fullDisk ? onAFullDisk(write) : write();
        ASSERT_TRUE(error) << c.path;
        EXPECT_EQ(error->kind, c.kind) << c.path;
        EXPECT_EQ(contentOf(c.path), before) << c.path;
        EXPECT_EQ(entriesIn(fs::path(c.path).parent_path()), folderEntries) << "no temporary file is left";
    }
}

TEST(ReadFileContent, ReadsEveryByteOrSaysWhyNotAlsoWhenUnreadable)
{
    TempTree tree;
    const std::string bytes("a\r\n\0\xff\r\nb", 8);
    const std::string unreadable = tree.touch("unreadable.lst", "x");
    ::chmod(unreadable.c_str(), 0);
    const struct {
        std::string path;
        std::string bytes;
        std::optional<Kind> kind;
    } cases[] = {
        {tree.touch("dirnal.lst", bytes), bytes, std::nullopt},
        {tree.touch("empty.lst"), "", std::nullopt},
        {tree.path("missing.lst"), "", Kind::NotFound},
        {tree.mkdir("dir.lst"), "", Kind::IsDirectory},
        {unreadable, "", Kind::AccessDenied},
    };
    for (const auto& c : cases) {
        if (c.path == unreadable && testing::runningAsRoot())
            continue;  // root reads every file
        const FileContent content = readFileContent(c.path);
        EXPECT_EQ(content.bytes, c.bytes) << c.path;
        EXPECT_EQ(content.error ? std::optional(content.error->kind) : std::nullopt, c.kind) << c.path;
    }
}

TEST(ExecutableDirectory, IsTheFolderOfThisTestProgram)
{
    EXPECT_TRUE(fs::exists(executableDirectory() + "/platform_tests"));
}

}  // namespace
}  // namespace dirnal
