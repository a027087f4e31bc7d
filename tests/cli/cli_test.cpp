#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
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
    bool operator==(const Result&) const = default;
    friend std::ostream& operator<<(std::ostream& s, const Result& r) { return s << r.code << '\n' << r.out << r.err; }
};

Result dirnalLst(const std::vector<std::string>& arguments)
{
    std::ostringstream out, err;
    return {run(arguments, out, out, err, false), out.str(), err.str()};  // in this order: run first
}

class CliTest : public ::testing::Test {
protected:
    CliTest()
    {
        for (const char* dir : {"cad/Projekte/Alt", "cad/Projekte/Neu", "cad/Normteile/Schrauben", "out"})
            tree.mkdir(dir);
    }
    std::string root() const { return tree.path("cad"); }
    // The list the window writes for this start, level by level, in display order: absolute, or after `prefix`.
    std::string listOfRoot(std::optional<std::string> prefix = {}) const
    {
        std::string list;
        for (const char* dir : {"Normteile", "Projekte", "Normteile/Schrauben", "Projekte/Alt", "Projekte/Neu"})
            list += prefix.value_or(root() + "/") + dir + "\r\n";
        return list;
    }

    testing::TempTree tree;
};

TEST_F(CliTest, AStartFolderInAnyFormGivesTheListOfItsAbsoluteNormalForm)
{
    const std::string relative = std::filesystem::relative(root()).string();
    for (const std::string& start : {root(), relative, relative + "/", root() + "//", root() + "/./Projekte/../",
                                     tree.root() + "/out/../cad/Normteile/.."})
        EXPECT_EQ(dirnalLst({start}), (Result{kSuccess, listOfRoot(), "Total: 5\n"})) << start;
}

TEST_F(CliTest, KeepsAnExistingListAfterTheGeneratedEntriesTellsWhatItLeftOutAndAppliesTheOperationsInTheOrderGiven)
{
    const std::string list = tree.touch("out/alt.lst", "C:\\alt\r\n" + root() + "/Normteile\r\n\r\n" +
                                                           std::string(40000, 'x') + "\r\n");
    EXPECT_EQ(dirnalLst({"-q", "-k", list, root()}).err, "");
    EXPECT_EQ(dirnalLst({"-k", list, "-o", list, root()}),
              (Result{kSuccess, "", "1 Zeile der Datei ist länger als 32767 Zeichen und wurde nicht gelesen.\n"
                                    "Total: 5\nEinträge gegenüber der alten Datei: 4 neu, 0 entfallen.\n"}))
        << "the file is read before the walk, and compared with before it is replaced";
    EXPECT_EQ(contentOf(list), listOfRoot() + "C:\\alt\r\n\r\n") << "a kept repeat goes, the empty entry stays";

    EXPECT_TRUE(dirnalLst({"--relative", "--quotes", root()}).out.starts_with("\"Normteile\"\r\n\"Projekte\"\r\n"));
    // Without drive letters or short names here these change nothing, but run.
    EXPECT_EQ(dirnalLst({"--unc", "--no-unc", "--long", "--short", "--short", "--long", root()}).out, listOfRoot());
    const std::string old = tree.touch("out/kurz.lst", std::string("\xFF\xFEN\0o\0r\0m\0t\0e\0i\0l\0e\0\r\0\n\0", 24));
    EXPECT_EQ(dirnalLst({"-k", old, "--relative", "--remove-duplicates", root()}).out, listOfRoot(""))
        << "read as the UTF-16 it is and made relative, the kept entry repeats a generated one";
}

TEST_F(CliTest, PrunesChecksAndComparesAsAScheduledJobNeedsAndTakesItsArgumentsTheGnuWay)
{
    const std::string projects = root() + "/Projekte", out = tree.path("out/dirnal.lst");
    const std::string keep = tree.touch("out/alt.lst", "/nirgends\r\nProjekte\r\n\r\n" + root() + "/Normteile\r\n");
    const std::string checked = tree.touch("cad/check.lst", "Projekte\r\n/nirgends\r\n" + root() + "/Normteile\r\nfehlt\r\n");
    const std::string allThere = tree.touch("out/gut.lst", projects + "\r\n");
    tree.mkdir("cad/.Sicherung/Alt/Tiefer");
    const std::string loop = tree.symlink(tree.path("out/schleife-b"), "out/schleife-a");
    tree.symlink(loop, "out/schleife-b");
    const std::string unanswered = tree.touch("out/offen.lst", loop + "/x\r\n/nirgends\r\n");
    const std::string relativeTail = "\r\nNormteile\r\nProjekte\r\nNormteile/Schrauben\r\nProjekte/Alt\r\nProjekte/Neu\r\n";
    const std::tuple<std::vector<std::string>, int, std::string, std::string> runs[] = {  // arguments, code, out, err
        // Steps in the order given, as the window's "selection" and delete, and relative to the start.
        {{"-q", "--exclude", projects, "--relative", root()}, kSuccess, "Normteile\r\nNormteile/Schrauben\r\n", ""},
        {{"-q", "--relative", "--exclude=" + projects, root()}, kSuccess, relativeTail.substr(2), ""},
        // The dead entries of the old list go, a relative one is looked for below the start.
        {{"-qj4", "-k", keep, "--remove-missing", root()}, kSuccess, listOfRoot() + "Projekte\r\n", ""},
        {{"--check", checked}, kEntriesMissing, "/nirgends\r\nfehlt\r\n",
         checked + ": 2 von 4 Einträgen nennen kein vorhandenes Verzeichnis. Relative Einträge wurden unter " + root() +
             " gesucht, dem Ordner der Datei.\n"},
        {{"--check=" + allThere}, kSuccess, "", allThere + ": alle 1 Einträge nennen ein vorhandenes Verzeichnis.\n"},
        // What the system could not look at is neither removed nor counted as missing, and the run says so.
        {{"--check", unanswered}, kEntriesMissing, "/nirgends\r\n", "dirnal-lst: 1 Eintrag konnte nicht geprüft werden (keine Antwort in 30 s oder kein "
         "Zugriff); er zählt nicht als fehlend:\n            " + loop + "/x\n" + unanswered + ": 1 von 2 Einträgen nennen kein "
         "vorhandenes Verzeichnis. 1 konnte nicht geprüft werden.\n"},
        {{"-q", "-t", "5", "-k", unanswered, "--remove-missing", "--max-depth=1", root()}, kIncomplete,
         root() + "/Normteile\r\n" + root() + "/Projekte\r\n" + loop + "/x\r\n", "dirnal-lst: 1 Eintrag konnte nicht geprüft "
         "werden (keine Antwort in 5 s oder kein Zugriff); er zählt nicht als fehlend:\n            " + loop + "/x\n"},
        {{"-q", "--check", tree.path("out/fehlt.lst")}, kCannotRead, "", "dirnal-lst: Die Datei " + tree.path("out/fehlt.lst") +
             " konnte nicht gelesen werden.\n            Die Datei existiert nicht (Fehlercode 2).\n"},
        // The walk's depth, and hidden folders only when asked for.
        {{"-q", "--max-depth", "1", root()}, kSuccess, root() + "/Normteile\r\n" + root() + "/Projekte\r\n", ""},
        {{"-q", "--hidden", "--max-depth=2", "--relative", root()}, kSuccess,
         ".Sicherung\r\nNormteile\r\nProjekte\r\n.Sicherung/Alt\r\nNormteile/Schrauben\r\nProjekte/Alt\r\nProjekte/Neu\r\n", ""},
        {{"--max-depth", "0", root()}, kUsage, "", "dirnal-lst: --max-depth erwartet eine Zahl der Ebenen von 1 bis 32767, "
                                                   "nicht \"0\".\nMehr dazu: dirnal-lst --help\n"},
        {{"--quiet=ja", root()}, kUsage, "", "dirnal-lst: --quiet nimmt keinen Wert.\nMehr dazu: dirnal-lst --help\n"},
        {{"-qx", root()}, kUsage, "", "dirnal-lst: Unbekannte Option: -x\nMehr dazu: dirnal-lst --help\n"},
        {{root(), "-q", "--exclude"}, kUsage, "", "dirnal-lst: Bei --exclude fehlt der Text.\nMehr dazu: dirnal-lst --help\n"},
        {{"--check", checked, root()}, kUsage, "", "dirnal-lst: --check prüft nur eine Listendatei: ohne Startverzeichnis, "
                                                    "-o, -k und Umwandlungen.\nMehr dazu: dirnal-lst --help\n"},
    };
    for (const auto& [arguments, code, output, errors] : runs)
        EXPECT_EQ(dirnalLst(arguments), (Result{code, output, errors})) << arguments.front() << " " << arguments.back();
    tree.touch("out/dirnal.lst", "/weg\r\n" + root() + "/Normteile\r\n");
    EXPECT_EQ(dirnalLst({"-o" + out, "--", root()}).err, "Total: 5\nEinträge gegenüber der alten Datei: 4 neu, 1 entfallen.\n");
    EXPECT_EQ(contentOf(out), listOfRoot());
}

TEST_F(CliTest, BadInputIsRefusedWithAClearMessageAndTheOldFileStays)
{
    const std::string target = tree.touch("out/dirnal.lst", "alt\r\n"), fifo = tree.path("out/fifo.lst");
    ::chmod(target.c_str(), 0444);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);  // no writer: reading it must not wait
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
        {{"-o", fifo, root()}, kCannotWrite, "keine gewöhnliche Datei, sondern ein Gerät"},
        {{"-o", target, root()}, kCannotWrite,
         "Keine Berechtigung, oder die Datei ist schreibgeschützt (Fehlercode 13)."},
    };
    for (const auto& [arguments, code, message] : cases) {
        const Result result = dirnalLst(arguments);
        EXPECT_EQ(std::pair(result.code, result.out), std::pair(code, std::string())) << message;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        for (int error = 1; error < 134; ++error)  // German only: none of the system's English reasons
            EXPECT_EQ(result.err.find(std::strerror(error)), std::string::npos) << result.err;
        EXPECT_FALSE(std::regex_search(result.err, std::regex(R"(\.\.(\s|$)|\S  )"))) << "a double space or full stop";
        EXPECT_EQ(contentOf(target), "alt\r\n") << "the old file stays";
    }
}

TEST_F(CliTest, TheProgramAnswersLikeTheFunctionAndNoFailedWriteEndsItOrPassesAsSuccess)
{
    EXPECT_NE(dirnalLst({"--help"}).out.find("Aufruf: dirnal-lst"), std::string::npos);
    EXPECT_EQ(dirnalLst({"-V"}), (Result{kSuccess, "dirnal-lst " DIRNAL_VERSION "\n", ""}));
    // Exit codes as the function gives them; "." is the folder it runs in, and a folder gets a dirnal.lst. A file
    // size limit in the middle of a save ends it by no signal; a full disk and a closed standard output fail too.
    const std::string program = DIRNAL_LST_PROGRAM, errors = tree.path("out/errors.txt");
    const std::string keep = tree.touch("out/keep.lst", std::string(4000, 'k') + "\r\n");
    const std::string stdoutFailed = "dirnal-lst: Die Standardausgabe kann nicht geschrieben werden.\n";
    int pipe[2];  // a pipe whose reader has gone
    ASSERT_EQ(::pipe(pipe), 0);
    ::close(pipe[0]);
    const std::tuple<std::string, int, std::string> runs[] = {
        {program + " " + tree.path("fehlt"), kNoRoot, "existiert nicht"},
        {"cd " + root() + " && " + program + " -q -j 1 -o ../out .", kSuccess, ""},
        {"ulimit -f 2; " + program + " -q -k " + keep + " -o " + tree.touch("out/saved.lst", "alt\r\n") + " " + root(),
         kCannotWrite, "Die alte Datei ist unverändert."},
        {program + " -q " + root() + " > /dev/full", kCannotWrite, stdoutFailed},
        {program + " -q " + root() + " >&-", kCannotWrite, stdoutFailed},
        {program + " -q " + root() + " >&" + std::to_string(pipe[1]), kCannotWrite, stdoutFailed},
        {program + " -q -o /dev/stdout -- " + root() + " > " + tree.path("out/stdout.lst"), kSuccess, ""},
        {program + " -q -- -x", kNoRoot, "\"-x\" existiert nicht"}};
    for (const auto& [command, code, message] : runs) {
        EXPECT_EQ(WEXITSTATUS(std::system((command + " 2> " + errors).c_str())), code) << command;
        EXPECT_NE(contentOf(errors).find(message), std::string::npos) << command;
    }
    ::close(pipe[1]);
    EXPECT_EQ(contentOf(tree.path("out/dirnal.lst")), listOfRoot());
    EXPECT_EQ(contentOf(tree.path("out/stdout.lst")), listOfRoot()) << "-o /dev/stdout is standard output";
}

}  // namespace
}  // namespace dirnal::cli
