#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/file_io.h"
#include "support/temp_tree.h"

namespace dirnal {
namespace {

using testing::TempTree;
using Kind = FileError::Kind;

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

mode_t modeOf(const std::string& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// Nothing but the expected files: no temporary file was left behind.
std::size_t filesIn(const std::string& directory)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(directory), {}));
}

TEST(ReplaceFileContent, CreatesAndReplacesTheWholeContent)
{
    TempTree tree;
    const std::string file = tree.path("dirnal.lst");
    ASSERT_FALSE(replaceFileContent(file, "a long first content\r\n"));
    EXPECT_EQ(contentOf(file), "a long first content\r\n");
    const mode_t umask = ::umask(0);
    ::umask(umask);
    EXPECT_EQ(modeOf(file), 0666 & ~umask);

    ::chmod(file.c_str(), 0640);
    ASSERT_FALSE(replaceFileContent(file, "short\r\n"));
    EXPECT_EQ(contentOf(file), "short\r\n");
    EXPECT_EQ(modeOf(file), 0640u) << "an old file keeps its permissions";

    ASSERT_FALSE(replaceFileContent(file, ""));
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    EXPECT_EQ(filesIn(tree.root()), 1u);
}

TEST(ReplaceFileContent, FollowsALinkToTheRealFile)
{
    TempTree tree;
    const std::string real = tree.touch("real.lst", "old");
    std::filesystem::create_symlink(real, tree.path("dirnal.lst"));
    ASSERT_FALSE(replaceFileContent(tree.path("dirnal.lst"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(tree.path("dirnal.lst")));
    EXPECT_EQ(contentOf(real), "new");
}

TEST(ReplaceFileContent, FailuresNameTheirReasonAndLeaveTheOldFileAlone)
{
    TempTree tree;
    const auto error = replaceFileContent(tree.path("missing/dirnal.lst"), "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, Kind::MissingDirectory);

    tree.mkdir("folder.lst");
    const auto directory = replaceFileContent(tree.path("folder.lst"), "x");
    ASSERT_TRUE(directory);
    EXPECT_EQ(directory->kind, Kind::IsDirectory);

    const std::string protectedFile = tree.touch("protected/dirnal.lst", "old\r\n");
    ::chmod(protectedFile.c_str(), 0444);
    const auto readOnly = replaceFileContent(protectedFile, "new\r\n");
    ASSERT_TRUE(readOnly);
    EXPECT_EQ(readOnly->kind, Kind::AccessDenied);
    EXPECT_EQ(contentOf(protectedFile), "old\r\n");
    EXPECT_EQ(filesIn(tree.path("protected")), 1u);

    EXPECT_EQ(replaceFileContent("", "x")->kind, Kind::NotFound);
}

TEST(ReplaceFileContent, ADiskThatRunsFullKeepsTheOldContentByteForByte)
{
    TempTree tree;
    const std::string old(3000, 'o');
    const std::string file = tree.touch("dirnal.lst", old);

    // A file size limit makes every write past 1 KiB fail as on a full disk.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = replaceFileContent(file, std::string(5000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, Kind::NoSpace);
    EXPECT_EQ(contentOf(file), old);
    EXPECT_EQ(filesIn(tree.root()), 1u) << "the temporary file is gone";
}

TEST(ReplaceFileContent, AReadOnlyDirectoryRefusesTheFile)
{
    if (testing::runningAsRoot())
        GTEST_SKIP() << "root writes into every directory";
    TempTree tree;
    const std::string file = tree.touch("locked/dirnal.lst", "old");
    ::chmod(tree.path("locked").c_str(), 0555);
    const auto error = replaceFileContent(file, "new");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, Kind::AccessDenied);
    EXPECT_EQ(contentOf(file), "old");
}

TEST(ReadFileContent, ReadsEveryByteOrSaysWhyNot)
{
    TempTree tree;
    const std::string bytes("a\r\n\0\xff\r\nb", 8);
    EXPECT_EQ(readFileContent(tree.touch("dirnal.lst", bytes)).bytes, bytes);
    const FileContent empty = readFileContent(tree.touch("empty.lst"));
    EXPECT_FALSE(empty.error);
    EXPECT_EQ(empty.bytes, "");

    EXPECT_EQ(readFileContent(tree.path("missing.lst")).error->kind, Kind::NotFound);
    EXPECT_EQ(readFileContent(tree.mkdir("dir.lst")).error->kind, Kind::IsDirectory);
}

TEST(ReadFileContent, AnUnreadableFileIsRefused)
{
    if (testing::runningAsRoot())
        GTEST_SKIP() << "root reads every file";
    TempTree tree;
    const std::string file = tree.touch("dirnal.lst", "x");
    ::chmod(file.c_str(), 0);
    const FileContent content = readFileContent(file);
    ASSERT_TRUE(content.error);
    EXPECT_EQ(content.error->kind, Kind::AccessDenied);
}

TEST(ExecutableDirectory, IsTheFolderOfThisTestProgram)
{
    const std::string directory = executableDirectory();
    EXPECT_TRUE(std::filesystem::exists(directory + "/platform_tests"));
}

}  // namespace
}  // namespace dirnal
