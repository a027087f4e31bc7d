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
#include <filesystem>
#include <tuple>
#include <utility>

#include "core/generator.h"
#include "platform/dir_exists.h"
#include "platform/file_exists.h"
#include "platform/file_io.h"
#include "platform/posix/posix_directory_lister.h"
#include "platform/user_folders.h"
#include "support/temp_tree.h"

namespace dirnal {
namespace {

using testing::contentOf;
using testing::TempTree;
using Kind = FileError::Kind;
using Status = DirectoryListing::Status;
namespace fs = std::filesystem;
const bool kRoot = ::geteuid() == 0;  // root ignores file modes: "unreadable" cannot be staged for it

// How many entries the folder holds: a temporary file left behind shows.
std::ptrdiff_t entriesIn(const fs::path& folder)
{
    std::error_code error;
    return fs::is_directory(folder, error) ? std::distance(fs::directory_iterator(folder), {}) : -1;
}

// Runs the save under a file size limit, as a disk that fills up.
std::optional<FileError> replaceWithSizeLimit(const std::string& path, const std::string& content, rlim_t limit)
{
    ignoreFileSizeSignal();
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit lower{std::min(limit, previous.rlim_cur), previous.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &lower);
    auto error = replaceFileContent(path, content);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    return error;
}

TEST(ReplaceFileContent, ReplacesByRenameKeepingModeOwnerAndLinksElseInPlaceForHardLinksOrReadOnlyFoldersWithRollBack)
{
    TempTree tree, state;
    ::setenv("XDG_STATE_HOME", state.root().c_str(), 1);  // for the recovery copies of a read-only folder's file
    // Names planted where an earlier program made its temporary files, from its process number, block nothing.
    for (int n = 0; n < 150; ++n)
        tree.touch(".dirnal.lst." + std::to_string(::getpid()) + "." + std::to_string(n) + ".tmp", "alt");
    const std::string file = tree.path("dirnal.lst");
    ASSERT_FALSE(replaceFileContent(file, "a long first content\r\n"));
    EXPECT_EQ(contentOf(file), "a long first content\r\n");
    const mode_t umask = ::umask(0);
    ::umask(umask);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0666 & ~umask));

    // Root saves a file that belongs to another user: by rename, and it stays theirs.
    ::chmod(file.c_str(), 0604);
    ASSERT_TRUE(!kRoot || ::chown(file.c_str(), 65534, 65534) == 0);
    struct stat info {};
    ::stat(file.c_str(), &info);
    const ino_t before = info.st_ino;
    ASSERT_FALSE(replaceFileContent(file, "short\r\n"));
    ::stat(file.c_str(), &info);
    EXPECT_EQ(std::tuple(contentOf(file), info.st_ino == before, info.st_mode & 07777, info.st_uid, info.st_gid),
              std::tuple("short\r\n", false, 0604u, kRoot ? 65534u : ::geteuid(), kRoot ? 65534u : ::getegid()))
        << "a new file, moved over the old one, with the old one's mode and owner";
    ASSERT_FALSE(replaceFileContent(file, ""));
    EXPECT_EQ(fs::file_size(file), 0u);

    // A link stays a link, also one that points to no file yet, and one link to another.
    const std::tuple<std::string, std::string, std::string> links[] = {  // link, its target, where the save lands
        {"link.lst", file, "dirnal.lst"}, {"chain.lst", "link.lst", "dirnal.lst"},
        {"dangling.lst", "later.lst", "later.lst"}};
    for (const auto& [link, pointsTo, target] : links) {
        fs::create_symlink(pointsTo, tree.path(link));
        ASSERT_FALSE(replaceFileContent(tree.path(link), link));
        EXPECT_EQ(std::pair(contentOf(tree.path(target)), fs::is_symlink(tree.path(link))), std::pair(link, true));
    }
    EXPECT_EQ(entriesIn(tree.root()), 150 + 5) << "no temporary file is left";

    // A file with a second name is written in place, and gets its old content back when stopped half-way.
    const std::string old = std::string(3000, 'o') + "\r\n", linked = tree.touch("shared/dirnal.lst", old);
    const std::string other = tree.path("shared/other name.lst");
    ASSERT_EQ(::link(linked.c_str(), other.c_str()), 0);
    const FileError error = replaceWithSizeLimit(linked, std::string(5000, 'n'), 4096).value_or(FileError{});
    EXPECT_EQ(std::tuple(error.kind, error.oldContent, contentOf(other)),
              std::tuple(Kind::FileTooLarge, FileError::OldContent::WrittenBack, old));
    ASSERT_FALSE(replaceFileContent(linked, "new\r\n"));
    EXPECT_EQ(contentOf(other), "new\r\n") << "both names show the new list";

    // A folder where the user may not make a file, with a file the user may write.
    EXPECT_TRUE(canCreateFileIn(tree.path("shared")) && !canCreateFileIn(linked) && !documentsDirectory());
    if (kRoot)
        return;  // root makes files in any folder
    ::unlink(other.c_str());
    ::chmod(tree.path("shared").c_str(), 0555);
    EXPECT_FALSE(canCreateFileIn(tree.path("shared")));
    ASSERT_FALSE(replaceFileContent(linked, "in place\r\n"));
    EXPECT_EQ(std::pair(contentOf(linked), entriesIn(state.path("dirnal-lst"))),
              std::pair(std::string("in place\r\n"), std::ptrdiff_t{0}))
        << "its recovery copy went to the state folder, and went after the save";
    EXPECT_EQ(replaceFileContent(tree.path("shared/new.lst"), "x").value().kind, Kind::FolderNotWritable);
}

TEST(ReplaceFileContent, FailuresSayWhyAndKeepTheOldFileByteForByte)
{
    TempTree tree;
    const std::string old(3000, 'o'), fifo = tree.path("fifo.lst"), device = tree.path("device.lst");
    ::chmod(tree.touch("protected.lst", old).c_str(), 0444);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    // The same device as /dev/full, where root may make one.
    const bool deviceMade = ::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) == 0;
    // A link in a shared sticky folder that belongs to someone else leads nowhere.
    ::chmod(tree.mkdir("sticky").c_str(), 01777);
    const std::string foreignLink = tree.symlink(tree.touch("target.lst", old), "sticky/link.lst");
    const bool linkGiven = kRoot && ::lchown(foreignLink.c_str(), 65534, 65534) == 0;
    const rlim_t none = RLIM_INFINITY;
    const std::tuple<std::string, Kind, rlim_t> cases[] = {  // path, why, file size limit
        {tree.path("missing/dirnal.lst"), Kind::MissingDirectory, none}, {"", Kind::InvalidPath, none},
        {tree.mkdir("folder/dirnal.lst"), Kind::IsDirectory, none},
        {tree.path("protected.lst"), Kind::AccessDenied, none}, {tree.touch("full.lst", old), Kind::FileTooLarge, 1024},
        {fifo, Kind::NotRegularFile, none}, {deviceMade ? device : fifo, Kind::NotRegularFile, none},
        {linkGiven ? foreignLink : fifo, linkGiven ? Kind::AccessDenied : Kind::NotRegularFile, none},
    };
    for (const auto& [path, kind, sizeLimit] : cases) {
        const auto state = [&] {  // the content (a pipe or device is not read), the type, the folder's entries
            return std::tuple(contentOf(path == fifo || path == device ? "" : path), fs::symlink_status(path).type(),
                              entriesIn(fs::path(path).parent_path()));
        };
        const auto before = state();
        const FileError error = replaceWithSizeLimit(path, std::string(5000, 'n'), sizeLimit).value_or(FileError{});
        EXPECT_EQ(std::pair(error.kind, error.oldContent), std::pair(kind, FileError::OldContent::Untouched)) << path;
        EXPECT_TRUE(state() == before) << "the old file stays, a device or pipe stays one, no file is left: " << path;
    }
}

TEST(ReadFileContent, ReadsRegularFilesUpToTheLimitAndRefusesPipesAndDevicesAlsoWhenUnreadable)
{
    TempTree tree;
    const std::string bytes("a\r\n\0\xff\r\nb", 8), unreadable = tree.touch("mode-0", "x"), fifo = tree.path("fifo");
    ::chmod(unreadable.c_str(), 0);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);  // no writer: a blocking read would wait for ever
    const std::string sparse = tree.touch("sparse.lst");  // 8 GB, of which 100 bytes are read
    ASSERT_EQ(::truncate(sparse.c_str(), off_t{8} << 30), 0);
    const std::optional<Kind> read;
    const std::pair<std::string, std::tuple<std::string, std::optional<Kind>, bool>> cases[] = {  // bytes, error, cut
        {tree.touch("dirnal.lst", bytes), {bytes, read, false}}, {tree.touch("empty.lst"), {"", read, false}},
        {tree.touch("exactly.lst", std::string(100, 'x')), {std::string(100, 'x'), read, false}},
        {sparse, {std::string(100, '\0'), read, true}}, {tree.path("missing.lst"), {"", Kind::NotFound, false}},
        {tree.mkdir("dir.lst"), {"", Kind::IsDirectory, false}}, {fifo, {"", Kind::NotRegularFile, false}},
        {"/dev/zero", {"", Kind::NotRegularFile, false}},
        {unreadable, {kRoot ? "x" : "", kRoot ? read : Kind::AccessDenied, false}},  // root reads every file
    };
    for (const auto& [path, expected] : cases) {
        const FileContent got = readFileContent(path, 100);
        const auto kind = got.error ? std::optional(got.error->kind) : std::nullopt;
        EXPECT_EQ(std::tuple(got.bytes, kind, got.cutShort), expected) << path;
    }
}

TEST(PosixDirectoryLister, ListsSubdirectoriesInDisplayOrderAsFullPathsAndDirExistsAndFileExistsTellFoldersFromFiles)
{
    TempTree tree;
    for (const char* name : {"Beta", "Alpha", "alpha", "gamma dir", "Ärger", "zulu", ".hidden"})
        tree.mkdir(name);
    const std::string file = tree.touch("afile"), link = tree.symlink(tree.path("zulu"), "link-to-zulu");
    const std::string dangling = tree.symlink(tree.path("nowhere"), "dangling"), dir = tree.path("gamma dir");
    const std::tuple<std::string, bool, bool> queries[] = {  // path, a folder, a file
        {dir, true, false}, {dir + "//", true, false}, {link, true, false}, {file, false, true},
        {tree.symlink(file, "file-link"), false, true}, {file + "/", false, false}, {dangling, false, false},
        {tree.path("missing"), false, false}, {"", false, false}, {tree.root() + std::string("\0/x", 3), false, false},
        {file + std::string("\0", 1), false, false}, {executableDirectory() + "/platform_tests", false, true}};
    for (const auto& [path, isFolder, isFile] : queries)
        EXPECT_EQ(std::pair(DirExists(path), FileExists(path)), std::pair(isFolder, isFile)) << path;
    const std::string loop = tree.symlink(tree.path("loop-b"), "loop-a");
    tree.symlink(loop, "loop-b");
    EXPECT_EQ(std::tuple(DirectoryExistence(link), DirectoryExistence(file), DirectoryExistence(dangling),
                         DirectoryExistence(file + "/x"), DirectoryExistence(loop + "/x")),
              std::tuple(Existence::Directory, Existence::Missing, Existence::Missing, Existence::Missing, Existence::Unknown))
        << "only a link loop leaves it open here, where root may read everything";

    const PosixDirectoryLister lister;
    const DirectoryListing listing = lister.list(tree.root());
    EXPECT_EQ(std::tuple(listing.status, listing.subdirectories, listing.throughLink),
              std::tuple(Status::Listed, std::vector{tree.path("Alpha"), tree.path("alpha"), tree.path("Beta"), dir,
                                                     link, tree.path("zulu"), tree.path("Ärger")},
                         std::vector<char>{0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(lister.identityOf(link), lister.identityOf(tree.path("zulu")));
    EXPECT_NE(lister.identityOf(tree.path("Beta")), lister.identityOf(tree.path("zulu")));
    EXPECT_FALSE(lister.identityOf(tree.path("missing")).has_value());
    EXPECT_EQ(lister.list(tree.root() + "/").subdirectories, listing.subdirectories) << "no doubled separator";
    const std::vector<std::string> withHidden = PosixDirectoryLister(HiddenFolders::Listed).list(tree.root()).subdirectories;
    EXPECT_EQ(withHidden.front(), tree.path(".hidden")) << "and no \".\" or \"..\"";
    EXPECT_EQ(std::vector(withHidden.begin() + 1, withHidden.end()), listing.subdirectories);
    for (const std::string& notADirectory : {tree.path("missing"), file, dangling, std::string()})
        EXPECT_EQ(lister.list(notADirectory).status, Status::NotADirectory) << notADirectory;
}

TEST(PosixDirectoryLister, WalkOfARealTreeGetsPastCyclesDepthOddNamesAndUnreadableFolders)
{
    TempTree tree;
    std::string tief = tree.mkdir("tief");
    for (int level = 0; level < 1000; ++level)
        ASSERT_EQ(::mkdir((tief += "/d").c_str(), 0700), 0) << level;
    // A link back a thousand levels up.
    const std::string loop = tree.symlink(tree.path("tief"), tief.substr(tree.root().size() + 1) + "/loop");
    for (int a = 0; a < 6; ++a)  // wide enough for listings to overlap
        for (int b = 0; b < 5; ++b)
            tree.mkdir("breit/P" + std::to_string(a) + "/t" + std::to_string(b));
    for (const char* name : {"zwei\nzeilen/darunter", "locked/inner", "nosearch/a", "nosearch/b"})
        tree.mkdir(name);
    const std::string raw = tree.mkdir(std::string("roh-\xff\xfe-name")), locked = tree.path("locked/inner");
    ::chmod(tree.path("locked").c_str(), 0);
    ::chmod(tree.path("nosearch").c_str(), 0644);  // readable, but no search right
    // Deeper than any path the system takes: made through descriptors, a level at a time (rm removes them).
    const std::string deep = tree.mkdir("deep");
    int fd = ::open(deep.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    for (int level = 0; level < 2100 && ::mkdirat(fd, "d", 0700) == 0; ++level)
        ::close(std::exchange(fd, ::openat(fd, "d", O_PATH | O_DIRECTORY | O_CLOEXEC)));
    ::close(fd);

    const PosixDirectoryLister lister;
    const GeneratedList result = walkTree(tree.root(), {}, lister);
    EXPECT_EQ(walkTree(tree.root(), {}, lister, {.concurrentListings = 1, .progress = {}}).entries, result.entries)
        << "listings side by side give the list of one after the other";
    EXPECT_EQ(std::system(("rm -rf '" + deep + "'").c_str()), 0);
    const auto listed = [&](const std::string& path) { return std::ranges::count(result.entries, path); };
    // The link back, a name that is not UTF-8 (byte for byte), and folders named though not entered.
    for (const std::string& named : {loop, raw, tree.path("locked"), tree.path("nosearch/a"), tree.path("nosearch/b")})
        EXPECT_EQ(listed(named), 1) << named;
    EXPECT_EQ(result.report.cyclesSkipped, 1) << "the link back is entered once, not followed";
    EXPECT_EQ(result.report.withLineBreaks, 1) << "a name with a line break is left out and counted";
    EXPECT_EQ(std::tuple(lister.list(tree.path("locked")).status, lister.dirExists(tree.path("locked")), listed(locked)),
              std::tuple(kRoot ? Status::Listed : Status::Unreadable, true, kRoot ? 1 : 0));
    // Root may enter every folder, but no one opens a path past PATH_MAX.
    EXPECT_EQ(result.report.unreadable.size(), kRoot ? 1u : 4u);
    EXPECT_GT(result.entries.back().size(), std::size_t{PATH_MAX} - 2) << "entered as deep as a path reaches";
    const auto chain =
        std::ranges::count_if(result.entries, [&](const std::string& path) { return path.starts_with(deep + "/"); });
    // breit and below; tief, its levels, the link; the raw name; locked (and inner for root); nosearch and its two.
    EXPECT_EQ(result.report.total, 1 + 6 + 30 + 1001 + 1 + 1 + (kRoot ? 2 : 1) + 3 + 1 + chain);
}

}  // namespace
}  // namespace dirnal
