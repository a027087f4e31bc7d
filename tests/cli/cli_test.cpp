#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <regex>
#include <sstream>
#include <tuple>

#include "cli/command_line.h"
#include "support/temp_tree.h"

namespace dirnal::cli {
namespace {

using testing::contentOf;

struct Result {
    int code;
    std::string out, err;
};

Result dirnalLst(const std::vector<std::string>& arguments)
{
    std::ostringstream out, err;
    const int code = run(arguments, out, err, false);
    return {code, out.str(), err.str()};
}

// The tool speaks German only: none of the system's English reasons, and
// no double space or full stop.
void expectGermanOnly(const std::string& message)
{
    for (int code = 1; code < 134; ++code)
        EXPECT_EQ(message.find(std::strerror(code)), std::string::npos) << message;
    EXPECT_FALSE(std::regex_search(message, std::regex(R"(\.\.(\s|$)|\S  )"))) << message;
}

class CliTest : public ::testing::Test {
protected:
    CliTest()
    {
        for (const char* dir : {"cad/Projekte/Alt", "cad/Projekte/Neu", "cad/Normteile/Schrauben", "out"})
            tree.mkdir(dir);
    }
    std::string root() const { return tree.path("cad"); }
    // The list the window writes for this start: absolute paths, level by level, in display order.
    std::string listOfRoot() const
    {
        const std::string r = root() + "/";
        return r + "Normteile\r\n" + r + "Projekte\r\n" + r + "Normteile/Schrauben\r\n" + r + "Projekte/Alt\r\n" + r +
               "Projekte/Neu\r\n";
    }

    testing::TempTree tree;
};

TEST_F(CliTest, AStartFolderInAnyFormGivesTheListOfItsAbsoluteNormalForm)
{
    const std::string relative = std::filesystem::relative(root()).string();
    for (const std::string& start : {root(), relative, relative + "/", root() + "//", root() + "/./Projekte/../",
                                     tree.root() + "/out/../cad/Normteile/.."}) {
        const Result result = dirnalLst({start});
        EXPECT_EQ(result.code, kSuccess) << start;
        EXPECT_EQ(result.out, listOfRoot()) << start;
        EXPECT_EQ(result.err, "Total: 5\n") << start;
    }
}

TEST_F(CliTest, KeepsTheEntriesOfAnExistingListAfterTheGeneratedOnesAndTellsWhatItLeftOut)
{
    const std::string list = tree.touch("out/alt.lst", "C:\\alt\r\n" + root() + "/Normteile\r\n\r\n" +
                                                           std::string(40000, 'x') + "\r\n");
    EXPECT_EQ(dirnalLst({"-q", "-k", list, root()}).err, "");
    const Result result = dirnalLst({"-k", list, "-o", list, root()});
    EXPECT_EQ(result.code, kSuccess);
    EXPECT_EQ(contentOf(list), listOfRoot() + "C:\\alt\r\n\r\n") << "a kept repeat goes, the empty entry stays";
    EXPECT_TRUE(result.err.starts_with("1 Zeile(n) der Datei sind länger als")) << result.err;
    EXPECT_TRUE(result.err.ends_with(" nicht gelesen.\nTotal: 5\n")) << "the file is read before the walk";
}

TEST_F(CliTest, AppliesTheListOperationsInTheOrderGiven)
{
    const std::string relative = "Normteile\r\nProjekte\r\nNormteile/Schrauben\r\nProjekte/Alt\r\nProjekte/Neu\r\n";
    EXPECT_TRUE(dirnalLst({"--relative", "--quotes", root()}).out.starts_with("\"Normteile\"\r\n\"Projekte\"\r\n"));
    // Without drive letters or short names here these change nothing, but run.
    EXPECT_EQ(dirnalLst({"--unc", "--no-unc", "--long", "--short", "--short", "--long", root()}).out, listOfRoot());
    const std::string old = tree.touch("out/alt.lst", "Normteile\r\n");
    EXPECT_EQ(dirnalLst({"-k", old, "--relative", "--remove-duplicates", root()}).out, relative)
        << "made relative, the kept entry repeats a generated one";
}

TEST_F(CliTest, BadInputIsRefusedWithAClearMessageAndTheOldFileStays)
{
    const std::string target = tree.touch("out/dirnal.lst", "alt\r\n");
    ::chmod(target.c_str(), 0444);
    const std::string fifo = tree.path("out/fifo.lst");  // no writer: reading it must not wait
    ::mkfifo(fifo.c_str(), 0666);
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {  // arguments, exit code, message
        {{"-o", target, tree.path("fehlt")}, kNoRoot,
         "dirnal-lst: Das Startverzeichnis \"" + tree.path("fehlt") + "\" existiert nicht oder ist kein Verzeichnis.\n"},
        {{"-o", target, ""}, kNoRoot, "Das Startverzeichnis \"\" existiert nicht"},
        {{"-o", target, tree.path("fehlt/..")}, kNoRoot, "fehlt/..\" existiert nicht"},  // not the folder above
        {{"--gibt-es-nicht", root()}, kUsage, "Unbekannte Option: --gibt-es-nicht"},
        {{}, kUsage, "Das Startverzeichnis fehlt."},
        {{root(), root()}, kUsage, "zu viel"},
        {{"-j", "0", root()}, kUsage, "--jobs erwartet"},
        {{"-k", tree.path("out/fehlt.lst"), "-o", target, root()}, kCannotRead,
         "dirnal-lst: Die Datei " + tree.path("out/fehlt.lst") + " konnte nicht gelesen werden.\n"
         "            Die Datei existiert nicht (Fehlercode 2).\n"},
        {{"-k", fifo, "-o", target, root()}, kCannotRead, "keine gewöhnliche Datei, sondern ein Gerät"},
        {{"-o", target, root()}, kCannotWrite,
         "Keine Berechtigung, oder die Datei ist schreibgeschützt (Fehlercode 13)."},
    };
    for (const auto& [arguments, code, message] : cases) {
        const Result result = dirnalLst(arguments);
        EXPECT_EQ(result.code, code) << message;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        expectGermanOnly(result.err);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(contentOf(target), "alt\r\n") << "the old file stays";
    }
}

TEST_F(CliTest, OutputThatIsNoPlainFileOrCannotBeWrittenGivesExitCode5AndAGermanMessage)
{
    const std::string fifo = tree.path("out/fifo.lst");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    const std::string device = tree.path("out/full");  // as /dev/full, where root may make one
    const bool deviceMade = ::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) == 0;
    for (const std::string& target : {fifo, deviceMade ? device : fifo}) {
        const Result result = dirnalLst({"-q", "-o", target, root()});
        EXPECT_EQ(result.code, kCannotWrite);
        EXPECT_NE(result.err.find("keine gewöhnliche Datei, sondern ein Gerät"), std::string::npos) << result.err;
        expectGermanOnly(result.err);
        EXPECT_FALSE(std::filesystem::is_regular_file(target)) << "nothing replaced it";
    }
    // A file size limit in the middle of a save (no signal ends the tool, the old file stays whole), a full
    // disk and a closed standard output.
    const std::string program = DIRNAL_LST_PROGRAM, errors = tree.path("out/errors.txt");
    const std::string keep = tree.touch("out/keep.lst", std::string(4000, 'k') + "\r\n");
    const std::string saved = tree.touch("out/saved.lst", "alt\r\n");
    const std::string stdoutFailed = "dirnal-lst: Die Standardausgabe kann nicht geschrieben werden.\n";
    const std::pair<std::string, std::string> runs[] = {
        {"ulimit -f 2; " + program + " -q -k " + keep + " -o " + saved + " " + root(), "Die alte Datei ist unverändert."},
        {program + " -q " + root() + " > /dev/full", stdoutFailed}, {program + " -q " + root() + " >&-", stdoutFailed}};
    for (const auto& [command, message] : runs) {
        EXPECT_EQ(WEXITSTATUS(std::system((command + " 2> " + errors).c_str())), kCannotWrite) << command;
        EXPECT_NE(contentOf(errors).find(message), std::string::npos) << command;
    }
    EXPECT_EQ(contentOf(saved), "alt\r\n");
}

TEST_F(CliTest, HelpVersionAndTheProgramItself)
{
    EXPECT_NE(dirnalLst({"--help"}).out.find("Aufruf: dirnal-lst"), std::string::npos);
    EXPECT_EQ(dirnalLst({"-V"}).out, "dirnal-lst " DIRNAL_VERSION "\n");

    // The program answers like the function, exit codes included; "." is
    // the folder it runs in; a folder gets a dirnal.lst.
    const std::string program = DIRNAL_LST_PROGRAM;
    const int status = std::system((program + " " + tree.path("fehlt") + " 2> /dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(status), kNoRoot);
    EXPECT_EQ(std::system(("cd " + root() + " && " + program + " -q -j 1 -o ../out .").c_str()), 0);
    EXPECT_EQ(contentOf(tree.path("out/dirnal.lst")), listOfRoot());
}

}  // namespace
}  // namespace dirnal::cli
