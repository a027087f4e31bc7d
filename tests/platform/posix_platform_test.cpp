// The POSIX platform layer on real files and folders.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <csignal>
#include <filesystem>
#include <tuple>

#include "core/generator.h"
#include "platform/dir_exists.h"
#include "platform/file_exists.h"
#include "platform/file_io.h"
#include "platform/posix/posix_directory_lister.h"
#include "support/temp_tree.h"

namespace dirnal {
namespace {

using testing::contentOf;
using testing::TempTree;
using Entries = std::vector<std::string>;
using Kind = FileError::Kind;
using Status = DirectoryListing::Status;
namespace fs = std::filesystem;

TEST(PathQueries, DirExistsAndFileExistsTellFoldersFromFilesAndFromNothing)
{
    TempTree tree;
    const std::string dir = tree.mkdir("a b/c");
    const std::string file = tree.touch("file.txt", "x");
    const std::tuple<std::string, bool, bool> cases[] = {  // path, a folder, a file
        {dir, true, false}, {dir + "//", true, false}, {tree.symlink(dir, "link"), true, false}, {file, false, true},
        {tree.symlink(file, "file-link"), false, true}, {file + "/", false, false}, {tree.path("missing"), false, false},
        {"", false, false}, {tree.root() + std::string("\0/x", 3), false, false},
    };
    for (const auto& [path, isFolder, isFile] : cases) {
        EXPECT_EQ(DirExists(path), isFolder) << path;
        EXPECT_EQ(FileExists(path), isFile) << path;
    }
}

// How many entries the folder holds: a temporary file left behind shows.
std::ptrdiff_t entriesIn(const fs::path& folder)
{
    std::error_code error;
    return fs::is_directory(folder, error) ? std::distance(fs::directory_iterator(folder), {}) : -1;
}

ino_t inodeOf(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

// Runs the save under a file size limit, as a disk that fills up.
std::optional<FileError> replaceWithSizeLimit(const std::string& path, const std::string& content, rlim_t limit)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit lower{std::min(limit, previous.rlim_cur), previous.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &lower);
    auto error = replaceFileContent(path, content);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    return error;
}

TEST(ReplaceFileContent, ReplacesTheWholeContentKeepingModeOwnerAndLinks)
{
    TempTree tree;
    // Temporary names left behind by an earlier process with this number are passed over.
    for (int n = 0; n < 60; ++n)
        tree.touch(".dirnal.lst." + std::to_string(::getpid()) + "." + std::to_string(n) + ".tmp", "alt");
    const std::string file = tree.path("dirnal.lst");
    ASSERT_FALSE(replaceFileContent(file, "a long first content\r\n"));
    EXPECT_EQ(contentOf(file), "a long first content\r\n");
    const mode_t umask = ::umask(0);
    ::umask(umask);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0666 & ~umask));

    // Root saves a file that belongs to another user: by rename, and it stays theirs.
    ::chmod(file.c_str(), 0604);
    const bool root = testing::runningAsRoot();
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    }
    const ino_t before = inodeOf(file);
    ASSERT_FALSE(replaceFileContent(file, "short\r\n"));
    EXPECT_EQ(contentOf(file), "short\r\n");
    EXPECT_NE(inodeOf(file), before) << "a new file, moved over the old one";
    struct stat info {};
    ::stat(file.c_str(), &info);
    EXPECT_EQ(std::tuple(info.st_mode & 07777, info.st_uid, info.st_gid),
              std::tuple(0604u, root ? 65534u : ::geteuid(), root ? 65534u : ::getegid()));
    ASSERT_FALSE(replaceFileContent(file, ""));
    EXPECT_EQ(fs::file_size(file), 0u);

    // A link stays a link, also one that points to no file yet, and one link to another.
    ASSERT_FALSE(replaceFileContent(tree.symlink(file, "link.lst"), "new"));
    EXPECT_TRUE(fs::is_symlink(tree.path("link.lst")));
    EXPECT_EQ(contentOf(file), "new");
    fs::create_symlink("link.lst", tree.path("chain.lst"));
    fs::create_symlink("later.lst", tree.path("dangling.lst"));
    ASSERT_FALSE(replaceFileContent(tree.path("chain.lst"), "chained"));
    ASSERT_FALSE(replaceFileContent(tree.path("dangling.lst"), "created"));
    EXPECT_EQ(contentOf(file), "chained");
    EXPECT_EQ(contentOf(tree.path("later.lst")), "created");
    EXPECT_TRUE(fs::is_symlink(tree.path("dangling.lst")));
    EXPECT_EQ(entriesIn(tree.root()), 60 + 5) << "no temporary file is left";
}

TEST(ReplaceFileContent, WritesInPlaceForHardLinksAndInAReadOnlyFolderAndPutsTheOldContentBack)
{
    TempTree tree;
    const std::string file = tree.touch("shared/dirnal.lst", std::string(3000, 'o'));
    const std::string other = tree.path("shared/other name.lst");
    ASSERT_EQ(::link(file.c_str(), other.c_str()), 0);
    const ino_t inode = inodeOf(file);
    ASSERT_FALSE(replaceFileContent(file, "new\r\n"));
    EXPECT_EQ(contentOf(other), "new\r\n") << "both names show the new list";
    EXPECT_EQ(inodeOf(file), inode);

    // Stopped half-way by the size limit, the file gets its old content back.
    const std::string before = std::string(3000, 'o') + "\r\n";
    ASSERT_FALSE(replaceFileContent(file, before));
    const auto error = replaceWithSizeLimit(file, std::string(5000, 'n'), 4096);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, Kind::FileTooLarge);
    EXPECT_EQ(error->oldContent, FileError::OldContent::WrittenBack);
    EXPECT_EQ(contentOf(other), before);
    EXPECT_EQ(inodeOf(file), inode);

    // A folder where the user may not make a file, with a file the user may write.
    if (testing::runningAsRoot())
        return;  // root makes files in any folder
    ::unlink(other.c_str());
    ::chmod(tree.path("shared").c_str(), 0555);
    ASSERT_FALSE(replaceFileContent(file, "in place\r\n"));
    EXPECT_EQ(contentOf(file), "in place\r\n");
    EXPECT_EQ(inodeOf(file), inode);
    EXPECT_EQ(replaceFileContent(tree.path("shared/new.lst"), "x").value().kind, Kind::FolderNotWritable);
}

TEST(ReplaceFileContent, FailuresSayWhyAndKeepTheOldFileByteForByteAlsoInAReadOnlyFolder)
{
    TempTree tree;
    const auto oldFile = [&](const std::string& name, mode_t fileMode) {
        const std::string file = tree.touch(name, std::string(3000, 'o'));
        ::chmod(file.c_str(), fileMode);
        return file;
    };
    const std::string fifo = tree.path("fifo.lst");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    const std::string device = tree.path("device.lst");  // the same device as /dev/full, where root may make one
    const bool deviceMade = ::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) == 0;
    const std::string sticky = tree.mkdir("sticky");
    ::chmod(sticky.c_str(), 01777);
    // A link in a shared sticky folder that belongs to someone else leads nowhere.
    const std::string foreignLink = tree.symlink(oldFile("target.lst", 0666), "sticky/link.lst");
    const bool linkGiven = testing::runningAsRoot() && ::lchown(foreignLink.c_str(), 65534, 65534) == 0;
    const std::tuple<std::string, Kind, rlim_t> cases[] = {
        {tree.path("missing/dirnal.lst"), Kind::MissingDirectory, RLIM_INFINITY},
        {tree.mkdir("folder/dirnal.lst"), Kind::IsDirectory, RLIM_INFINITY},
        {oldFile("protected.lst", 0444), Kind::AccessDenied, RLIM_INFINITY},
        {oldFile("full.lst", 0644), Kind::FileTooLarge, 1024},
        {"", Kind::InvalidPath, RLIM_INFINITY},
        {fifo, Kind::NotRegularFile, RLIM_INFINITY},
        {deviceMade ? device : fifo, Kind::NotRegularFile, RLIM_INFINITY},
        {linkGiven ? foreignLink : fifo, linkGiven ? Kind::AccessDenied : Kind::NotRegularFile, RLIM_INFINITY},
    };
    for (const auto& [path, kind, sizeLimit] : cases) {
        const std::string before = contentOf(path == fifo || path == device ? "" : path);
        const auto folderEntries = entriesIn(fs::path(path).parent_path());
        const auto type = fs::symlink_status(path).type();
        const auto error = replaceWithSizeLimit(path, std::string(5000, 'n'), sizeLimit);
        ASSERT_TRUE(error) << path;
        EXPECT_EQ(error->kind, kind) << path;
        EXPECT_EQ(error->oldContent, FileError::OldContent::Untouched) << path;
        EXPECT_EQ(contentOf(path == fifo || path == device ? "" : path), before) << path;
        EXPECT_EQ(fs::symlink_status(path).type(), type) << "a device or pipe stays one: " << path;
        EXPECT_EQ(entriesIn(fs::path(path).parent_path()), folderEntries) << "no temporary file is left";
    }
    EXPECT_EQ(contentOf(tree.path("target.lst")), std::string(3000, 'o'));
}

TEST(ReadFileContent, ReadsRegularFilesUpToTheLimitAndRefusesPipesAndDevicesAlsoWhenUnreadable)
{
    TempTree tree;
    const std::string bytes("a\r\n\0\xff\r\nb", 8);
    const std::string unreadable = tree.touch("unreadable.lst", "x");
    ::chmod(unreadable.c_str(), 0);
    const std::string fifo = tree.path("fifo.lst");  // no writer: a blocking read would wait for ever
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    const std::string sparse = tree.touch("sparse.lst");  // 8 GB, of which 100 bytes are read
    ASSERT_EQ(::truncate(sparse.c_str(), off_t{8} << 30), 0);
    const std::tuple<std::string, std::string, std::optional<Kind>, bool> cases[] = {  // bytes, error, cut short
        {tree.touch("dirnal.lst", bytes), bytes, std::nullopt, false},
        {tree.touch("empty.lst"), "", std::nullopt, false},
        {tree.touch("exactly.lst", std::string(100, 'x')), std::string(100, 'x'), std::nullopt, false},
        {sparse, std::string(100, '\0'), std::nullopt, true},
        {tree.path("missing.lst"), "", Kind::NotFound, false},
        {tree.mkdir("dir.lst"), "", Kind::IsDirectory, false},
        {fifo, "", Kind::NotRegularFile, false},
        {"/dev/zero", "", Kind::NotRegularFile, false},
        {unreadable, "", Kind::AccessDenied, false},
    };
    for (const auto& [path, content, kind, cutShort] : cases) {
        if (path == unreadable && testing::runningAsRoot())
            continue;  // root reads every file
        const FileContent read = readFileContent(path, 100);
        EXPECT_EQ(read.bytes, content) << path;
        EXPECT_EQ(read.error ? std::optional(read.error->kind) : std::nullopt, kind) << path;
        EXPECT_EQ(read.cutShort, cutShort) << path;
    }
}

TEST(ExecutableDirectory, IsTheFolderOfThisTestProgram)
{
    EXPECT_TRUE(fs::exists(executableDirectory() + "/platform_tests"));
}

TEST(PosixDirectoryLister, ListsSubdirectoriesInDisplayOrderAsFullPaths)
{
    TempTree tree;
    for (const char* name : {"Beta", "Alpha", "alpha", "gamma dir", "Ärger", "zulu", ".hidden"})
        tree.mkdir(name);
    const std::string file = tree.touch("afile");
    const std::string link = tree.symlink(tree.path("zulu"), "link-to-zulu");
    const std::string dangling = tree.symlink(tree.path("nowhere"), "dangling");

    const PosixDirectoryLister lister;
    const DirectoryListing listing = lister.list(tree.root());
    ASSERT_EQ(listing.status, Status::Listed);
    EXPECT_EQ(listing.subdirectories, (Entries{tree.path("Alpha"), tree.path("alpha"), tree.path("Beta"),
                                               tree.path("gamma dir"), link, tree.path("zulu"), tree.path("Ärger")}));
    EXPECT_EQ(listing.throughLink, (std::vector<char>{0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(lister.identityOf(link), lister.identityOf(tree.path("zulu")));
    EXPECT_NE(lister.identityOf(tree.path("Beta")), lister.identityOf(tree.path("zulu")));
    EXPECT_FALSE(lister.identityOf(tree.path("missing")).has_value());
    // A trailing separator on the directory does not double the separator.
    EXPECT_EQ(lister.list(tree.root() + "/").subdirectories, listing.subdirectories);
    for (const std::string& notADirectory : {tree.path("missing"), file, dangling, std::string()})
        EXPECT_EQ(lister.list(notADirectory).status, Status::NotADirectory) << notADirectory;
}

// Folders named "d" inside each other, deeper than any path the system
// takes: made through descriptors, a level at a time (rm removes them).
void makeChain(const std::string& top, int levels)
{
    int fd = ::open(top.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    for (int level = 0; level < levels && fd >= 0; ++level) {
        ::mkdirat(fd, "d", 0700);
        const int next = ::openat(fd, "d", O_PATH | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = next;
    }
    ::close(fd);
}

TEST(PosixDirectoryLister, WhatCannotBeEnteredCountsAsUnreadableNoSearchRightOrDeeperThanAnyPath)
{
    TempTree tree;
    tree.mkdir("nosearch/a");
    tree.mkdir("nosearch/b");
    ::chmod(tree.path("nosearch").c_str(), 0644);
    const std::string deep = tree.mkdir("deep");
    makeChain(deep, 2100);

    const GeneratedList result = walkTree(tree.root(), {}, PosixDirectoryLister());
    EXPECT_EQ(std::system(("rm -rf '" + deep + "'").c_str()), 0);
    EXPECT_EQ(std::ranges::count(result.entries, tree.path("nosearch/a")) +
                  std::ranges::count(result.entries, tree.path("nosearch/b")),
              2)
        << "named, though not entered";
    // Root may search every folder, but no one opens a path past PATH_MAX.
    EXPECT_EQ(result.report.unreadable, testing::runningAsRoot() ? 1 : 3);
    EXPECT_GT(result.entries.back().size(), std::size_t{PATH_MAX} - 2) << "entered as deep as a path reaches";
}

TEST(PosixDirectoryLister, WalkOfARealTreeGetsPastCyclesDepthOddNamesAndUnreadableFolders)
{
    TempTree tree;
    std::string deep = tree.mkdir("tief");
    for (int level = 0; level < 1000; ++level)
        ASSERT_EQ(::mkdir((deep += "/d").c_str(), 0700), 0) << level;
    for (int a = 0; a < 6; ++a)  // wide enough for listings to overlap
        for (int b = 0; b < 5; ++b)
            tree.mkdir("breit/P" + std::to_string(a) + "/t" + std::to_string(b));
    // A link back a thousand levels up.
    const std::string loop = tree.symlink(tree.path("tief"), deep.substr(tree.root().size() + 1) + "/loop");
    tree.mkdir("zwei\nzeilen/darunter");
    const std::string raw = tree.mkdir(std::string("roh-\xff\xfe-name"));
    const std::string locked = tree.mkdir("locked/inner");
    ::chmod(tree.path("locked").c_str(), 0);

    const PosixDirectoryLister lister;
    const GeneratedList result = walkTree(tree.root(), {}, lister);
    const auto listed = [&](const std::string& path) {
        return std::find(result.entries.begin(), result.entries.end(), path) != result.entries.end();
    };
    EXPECT_EQ(result.entries.back(), loop);
    EXPECT_EQ(result.report.cyclesSkipped, 1) << "the link back is entered once, not followed";
    EXPECT_EQ(result.report.withLineBreaks, 1) << "a name with a line break is left out and counted";
    EXPECT_TRUE(listed(raw)) << "a name that is not UTF-8 comes through byte for byte";
    EXPECT_TRUE(listed(tree.path("locked")));
    const bool unreadable = !testing::runningAsRoot();  // root reads every folder
    EXPECT_EQ(lister.list(tree.path("locked")).status, unreadable ? Status::Unreadable : Status::Listed);
    EXPECT_TRUE(lister.dirExists(tree.path("locked")));
    EXPECT_EQ(listed(locked), !unreadable);
    EXPECT_EQ(result.report.unreadable, unreadable ? 1 : 0);
    // breit and below; tief, its levels and the link; the raw name; locked,
    // and its inner folder where it can be read.
    EXPECT_EQ(result.report.total, 1 + 6 + 30 + 1001 + 1 + 1 + (unreadable ? 1 : 2));
    WalkOptions oneAtATime;
    oneAtATime.concurrentListings = 1;
    EXPECT_EQ(walkTree(tree.root(), {}, lister, oneAtATime).entries, result.entries)
        << "listings side by side give the list of one after the other";
}

}  // namespace
}  // namespace dirnal
