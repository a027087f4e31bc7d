#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/command_line.h"
#include "core/generator.h"
#include "core/list_file.h"
#include "platform/posix_directory_lister.h"
#include "support/temp_tree.h"

namespace dirnal::cli {
namespace {

using testing::TempTree;

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result dirnalLst(std::vector<std::string> arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = run(arguments, out, err, false);
    return {code, out.str(), err.str()};
}

class CliTest : public ::testing::Test {
protected:
    CliTest()
    {
        for (const char* dir : {"Projekte/Alt", "Projekte/Neu", "Normteile", "Normteile/Schrauben"})
            tree.mkdir(std::string("cad/") + dir);
        tree.mkdir("out");
    }
    std::string root() const { return tree.path("cad"); }
    std::string generatedBytes(const std::vector<std::string>& retained = {}) const
    {
        const PosixDirectoryLister lister;
        return encodeListFile(walkTree(root(), retained, lister).entries);
    }

    TempTree tree;
};

TEST_F(CliTest, WritesWhatTheWindowsGeneratorMakes)
{
    const Result toStdout = dirnalLst({root()});
    EXPECT_EQ(toStdout.code, kSuccess);
    EXPECT_EQ(toStdout.out, generatedBytes());
    EXPECT_EQ(toStdout.err, "Total: 5\n");
    EXPECT_EQ(dirnalLst({"-o", "-", "-q", root() + "/"}).out, generatedBytes()) << "a trailing separator is alike";

    EXPECT_EQ(dirnalLst({"-o", tree.path("out"), root()}).code, kSuccess);
    EXPECT_EQ(contentOf(tree.path("out/dirnal.lst")), generatedBytes()) << "a folder gets a dirnal.lst";
    EXPECT_EQ(dirnalLst({"--output", tree.path("out/anders.lst"), "--jobs", "1", root()}).code, kSuccess);
    EXPECT_EQ(contentOf(tree.path("out/anders.lst")), generatedBytes());
}

TEST_F(CliTest, KeepsTheEntriesOfAnExistingListAfterTheGeneratedOnes)
{
    const std::string old = tree.touch("out/alt.lst", "C:\\alt\r\n" + root() + "/Normteile\r\n\r\n");
    const Result result = dirnalLst({"-k", old, root()});
    EXPECT_EQ(result.code, kSuccess);
    EXPECT_EQ(result.out, generatedBytes({"C:\\alt", root() + "/Normteile", ""}));
    EXPECT_TRUE(result.out.ends_with("C:\\alt\r\n\r\n")) << "a kept repeat is dropped, the empty entry stays";
}

TEST_F(CliTest, AppliesTheListOperationsInTheOrderGiven)
{
    const Result relative = dirnalLst({"--relative", "-q", root()});
    EXPECT_EQ(relative.out, "Normteile\r\nProjekte\r\nNormteile/Schrauben\r\nProjekte/Alt\r\nProjekte/Neu\r\n");

    const Result quoted = dirnalLst({"--relative", "--quotes", "-q", root()});
    EXPECT_TRUE(quoted.out.starts_with("\"Normteile\"\r\n\"Projekte\"\r\n"));
    EXPECT_EQ(dirnalLst({"--relative", "--quotes", "--quotes", "-q", root()}).out, relative.out);

    // Without drive letters or short names on this system these change
    // nothing, but they run.
    EXPECT_EQ(dirnalLst({"--unc", "--no-unc", "--short", "--long", "-q", root()}).out, generatedBytes());

    const std::string old = tree.touch("out/alt.lst", "Normteile\r\n");
    EXPECT_EQ(dirnalLst({"-k", old, "--relative", "--remove-duplicates", "-q", root()}).out, relative.out)
        << "made relative, the kept entry repeats a generated one";
}

TEST_F(CliTest, BadInputIsRefusedWithAClearMessageAndNothingWritten)
{
    const std::string target = tree.touch("out/dirnal.lst", "alt\r\n");

    const Result missing = dirnalLst({"-o", target, tree.path("gibt-es-nicht")});
    EXPECT_EQ(missing.code, kNoRoot);
    EXPECT_NE(missing.err.find("existiert nicht"), std::string::npos);

    const Result unknown = dirnalLst({"--gibt-es-nicht", root()});
    EXPECT_EQ(unknown.code, kUsage);
    EXPECT_NE(unknown.err.find("--gibt-es-nicht"), std::string::npos);
    EXPECT_EQ(dirnalLst({}).code, kUsage);
    EXPECT_EQ(dirnalLst({root(), root()}).code, kUsage);
    EXPECT_EQ(dirnalLst({"-j", "0", root()}).code, kUsage);
    EXPECT_EQ(dirnalLst({"-o"}).code, kUsage);

    EXPECT_EQ(dirnalLst({"-k", tree.path("out/fehlt.lst"), "-o", target, root()}).code, kCannotRead);

    const Result unwritable = dirnalLst({"-o", tree.path("gibt/es/nicht/dirnal.lst"), root()});
    EXPECT_EQ(unwritable.code, kCannotWrite);
    EXPECT_NE(unwritable.err.find("Nichts wurde geschrieben"), std::string::npos);

    ::chmod(target.c_str(), 0444);
    EXPECT_EQ(dirnalLst({"-o", target, root()}).code, kCannotWrite);
    EXPECT_EQ(contentOf(target), "alt\r\n") << "the old file stays";
}

TEST_F(CliTest, HelpVersionAndTheProgramItself)
{
    EXPECT_NE(dirnalLst({"--help"}).out.find("Aufruf: dirnal-lst"), std::string::npos);
    EXPECT_EQ(dirnalLst({"-V"}).out, "dirnal-lst 3.61\n");

    // The installed program answers like the function: exit codes included.
    const std::string program = DIRNAL_LST_PROGRAM;
    EXPECT_EQ(std::system((program + " --version > /dev/null").c_str()), 0);
    const int status = std::system((program + " " + tree.path("fehlt") + " 2> /dev/null").c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kNoRoot);
    EXPECT_EQ(std::system((program + " -q -o " + tree.path("out") + " " + root()).c_str()), 0);
    EXPECT_EQ(contentOf(tree.path("out/dirnal.lst")), generatedBytes());
}

}  // namespace
}  // namespace dirnal::cli
