// The session through its public operations, with the file system, the
// settings, the list files and the user's answers in memory.
#include <gtest/gtest.h>

#include <map>

#include "core/messages.h"
#include "core/session.h"
#include "support/session_fakes.h"
#include "support/fake_lister.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;
namespace keys = settings_keys;

class SessionTest : public ::testing::Test {
protected:
    explicit SessionTest(PathStyle style = PathStyle::Posix) : fs(style), session(services(style)) {}

    SessionServices services(PathStyle style)
    {
        return {&fs, &settings, &files, &drives, [](const std::string& p) { return p + "~1"; },
                [](const std::string& p) { return p.ends_with("~1") ? p.substr(0, p.size() - 2) : p; }, style};
    }
    void fill(const Entries& entries) { session.list().assign(entries); }
    const Entries& entries() const { return session.list().entries(); }

    testing::FakeLister fs;
    testing::MemorySettings settings;
    testing::MemoryFiles files;
    testing::ScriptedDialogs dialogs;
    testing::FakeDrives drives{{{"C:", ""}, {"X:", "\\\\srv\\data"}}};
    Session session;
};

TEST_F(SessionTest, StartUpAppliesInOrderTheStoredFoldersThatStillExist)
{
    fs.addPaths({"/tmp", "/srv/cad"});
    const struct {
        std::map<std::string, std::string> stored;
        std::vector<std::string> folders;  // start directory and drive, list-file directory and drive
        std::string storageLocation;
    } cases[] = {
        {{}, {"/tmp/", "/", "/tmp/", "/"}, "/tmp/dirnal.lst"},  // first run: the defaults
        {{{keys::kStartDirectory, "/gone"}, {keys::kListFileDirectory, "/srv/cad"}, {keys::kListFileDrive, "/no"}},
         {"", "/", "/srv/cad", ""}, "/srv/cad/dirnal.lst"},
    };
    for (const auto& c : cases) {
        settings.values = c.stored;
        Session s(services(PathStyle::Posix));
        std::vector<StoredFolder> applied;
        s.startUp([&](StoredFolder f, const std::string& path) {
            applied.push_back(f);
            s.setFolder(f, path);
        });
        EXPECT_TRUE(std::is_sorted(applied.begin(), applied.end()));
        const StoredFolders& got = s.folders();
        EXPECT_EQ((Entries{got.startDirectory, got.startDrive, got.listFileDirectory, got.listFileDrive}), c.folders);
        EXPECT_EQ(s.storageLocation(), c.storageLocation);
        EXPECT_EQ(s.startPosition(), got.startDirectory);
    }
    settings.unusable = "/home/u/.config/x.conf";
    session.startUp({}, &dialogs);
    EXPECT_EQ(dialogs.notices, Entries{"Die Einstellungsdatei /home/u/.config/x.conf ist keine gewöhnliche Datei. Das "
                                       "Programm beginnt mit den Voreinstellungen und speichert keine Einstellungen."});
}

TEST_F(SessionTest, ShutDownWritesTheFiveKeysInOrderAndRestoreReadsThemBack)
{
    session.setFolder(StoredFolder::StartDirectory, "/a");
    session.setStorageLocation("/b/dirnal.lst");
    session.shutDown();
    EXPECT_EQ(settings.written, (Entries{keys::kListFile, keys::kStartDirectory, keys::kStartDrive,
                                         keys::kListFileDirectory, keys::kListFileDrive}));
    EXPECT_EQ(settings.values[keys::kListFile], "/b/dirnal.lst");
    EXPECT_EQ(settings.values[keys::kStartDirectory], "/a");

    // The storage location as stored, the folders that exist; the start position stays.
    settings.values[keys::kListFile] = "/elsewhere/list.lst";
    fs.addDirectory("/a");
    session.setFolder(StoredFolder::StartDirectory, "/x");
    session.setStartPosition("/start");
    session.restorePreviousInput();
    EXPECT_EQ(session.storageLocation(), "/elsewhere/list.lst");
    EXPECT_EQ(session.folders().startDirectory, "/a");
    EXPECT_EQ(session.startPosition(), "/start");
}

TEST_F(SessionTest, GenerateAsksOnlyAboutAnExistingListAndReportsItsWalk)
{
    fs.addPaths({"/r/b", "/r/a", "/r/zwei\nzeilen"});
    fs.makeUnreadable("/r/b");
    session.setFolder(StoredFolder::StartDirectory, "/r");
    session.generate(dialogs);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(entries(), (Entries{"/r/a", "/r/b"}));
    EXPECT_EQ(session.status(), "Total: 2");
    EXPECT_EQ(dialogs.notices, Messages().walkNotices({2, 1, 0, 1, false}));

    fill({"/old"});
    dialogs.answers = {true};
    session.generate(dialogs);
    EXPECT_EQ(dialogs.questions, Entries{"Wollen Sie die bestehende Liste löschen ?"});
    EXPECT_EQ(entries(), (Entries{"/r/a", "/r/b"}));

    // The limit comes first; one unreadable folder is worded apart.
    EXPECT_NE(Messages().walkNotices({9, 3, 0, 2, true}).at(0).find("32767"), std::string::npos);
    EXPECT_NE(Messages().walkNotices({9, 1, 0, 0, false}).at(0).find("1 Verzeichnis konnte"), std::string::npos);
    EXPECT_EQ(substitute("%1 und %2, %3", {"a", "b"}), "a und b, %3");
}

TEST_F(SessionTest, SearchSelectsTheNonEmptyEntriesHoldingTheTextCaseSensitively)
{
    const struct {
        const char* text;
        int first;
        Entries selected;
    } cases[] = {
        {"temp", 0, {"/temp/a", "/x/temp"}},
        {"", 0, {"/temp/a", "/Temp/b", " ", "/x/temp"}},
        {"nowhere", -1, {}},
    };
    for (const auto& c : cases) {
        fill({"/temp/a", "/Temp/b", "", " ", "/x/temp"});
        session.list().setSelected(2, true);  // a selection made before is replaced
        EXPECT_EQ(session.selectBySearchText(c.text), c.first) << c.text;
        Entries selected;
        for (int i = 0; i < session.list().count(); ++i)
            if (session.list().isSelected(i))
                selected.push_back(session.list().entryAt(i));
        EXPECT_EQ(selected, c.selected) << c.text;
        EXPECT_EQ(session.list().currentIndex(), c.first) << "the first find is current, as if clicked";
    }
}

TEST_F(SessionTest, DeleteBlanksTheSelectionOnlyOnceAnEntryWasClicked)
{
    fs.addDirectory("/keep");
    fill({"/keep", "/x/del", "", "/y/del", " "});
    session.list().setSelected(1, true);
    session.deleteSelected();
    EXPECT_EQ(entries(), (Entries{"/keep", "/x/del", "/y/del", " "})) << "only the empty entries go";

    EXPECT_EQ(session.selectBySearchText("del"), 1);
    EXPECT_EQ(session.status(), "existiert nicht !");
    session.deleteSelected();
    EXPECT_EQ(entries(), (Entries{"/keep", " "}));
    EXPECT_EQ(session.status(), "löschen...");

    session.clickEntry(0);
    EXPECT_EQ(session.status(), "ok.");

    EXPECT_TRUE(session.appendSinglePath("", dialogs));
    EXPECT_TRUE(session.appendSinglePath("\r\n", dialogs));
    EXPECT_TRUE(session.appendSinglePath("/one\r\n", dialogs)) << "pasted with its line break";
    EXPECT_EQ(entries(), (Entries{"/keep", " ", "/one"}));
    fill(Entries(PathList::kMaxEntries, "x"));
    EXPECT_FALSE(session.appendSinglePath("/two", dialogs));
    EXPECT_EQ(dialogs.notices, Entries{Messages().listFullPathNotAdded()});
}

TEST_F(SessionTest, TheSinglePathBoxTakesTheClickedEntryButASearchNeverReplacesTypedText)
{
    fill({"/a", "/b/x", "/c/x"});
    EXPECT_EQ(session.selectBySearchText("b"), 1);
    EXPECT_EQ(session.singlePath(), "/b/x") << "nothing typed: the find is there to be edited";
    session.typeSinglePath("/mine");
    EXPECT_EQ(session.selectBySearchText("c"), 2);
    EXPECT_EQ(session.singlePath(), "/mine");
    EXPECT_TRUE(session.confirmSinglePath(dialogs));
    EXPECT_EQ(entries().back(), "/mine");
    session.selectBySearchText("b");
    EXPECT_EQ(session.singlePath(), "/b/x") << "appended, the typed text is safe in the list";
    session.typeSinglePath("/again");
    session.clickEntry(0);
    EXPECT_EQ(session.singlePath(), "/a") << "a click is a choice to edit that entry";
}

TEST_F(SessionTest, ShareConversionsRewriteEntriesAndStartPositionWithOneSeparatorLess)
{
    const Entries mixed{"X:\\proj", "X:\\", "X:", "\\\\srv\\data\\proj", "\\\\srv\\data", "c:\\proj",
                        "C:\\",     "C:\\proj\\", "parts", "", "C:\\proj\\\\"};
    const Entries posix{"/home/cad/", "/home/cad", "/", "rel/", ""};
    const struct {
        bool toShares;
        PathStyle style;
        const Entries& entries;
        std::string start;
        Entries expected;
        std::string expectedStart;
    } cases[] = {
        {true, PathStyle::Windows, mixed, "X:\\proj",
         {"\\\\srv\\data\\proj", "\\\\srv\\data", "\\\\srv\\data", "\\\\srv\\data\\proj", "\\\\srv\\data", "c:\\proj",
          "C:", "C:\\proj", "parts", "", "C:\\proj\\"},
         "\\\\srv\\data\\proj"},
        {false, PathStyle::Windows, mixed, "\\\\srv\\data\\work",
         {"X:\\proj", "X:", "X:", "X:\\proj", "X:", "C:\\proj", "C:", "C:\\proj", "parts", "", "C:\\proj\\"},
         "X:\\work"},
        // POSIX paths name no drive: only a trailing separator goes, and a root stays a path.
        {true, PathStyle::Posix, posix, "/", {"/home/cad", "/home/cad", "/", "rel", ""}, "/"},
        {false, PathStyle::Posix, posix, "/", {"/home/cad", "/home/cad", "/", "rel", ""}, "/"},
    };
    for (const auto& c : cases) {
        Session s(services(c.style));
        s.list().assign(c.entries);
        s.setStartPosition(c.start);
        c.toShares ? s.convertToNetworkShares() : s.convertToDriveLetters();
        EXPECT_EQ(s.list().entries(), c.expected) << c.start;
        EXPECT_EQ(s.startPosition(), c.expectedStart) << c.start;
    }
}

class WindowsSessionTest : public SessionTest {
protected:
    WindowsSessionTest() : SessionTest(PathStyle::Windows) {}
};

TEST_F(WindowsSessionTest, NamesTakeTheFormAskedForWhereADirectoryExistsQuotesOffFirst)
{
    fs.addDirectory("X:\\proj");
    fs.addDirectory("X:\\proj~1");
    fill({"\"X:\\proj\"", "X:\\proj~1", "C:\\local"});
    session.convertNames(NameForm::Long);  // the form they have now
    EXPECT_EQ(entries(), (Entries{"X:\\proj", "X:\\proj", "C:\\local"}));
    session.convertNames(NameForm::Short);
    EXPECT_EQ(entries(), (Entries{"X:\\proj~1", "X:\\proj~1", "C:\\local"}));
}

TEST_F(WindowsSessionTest, RelativeInThePathStyleAndDeleteDoubleNeedsContent)
{
    fill({"C:\\work\\a", "D:\\b"});
    session.setStartPosition("C:\\work");
    dialogs.answers = {true};
    EXPECT_TRUE(session.makeRelative(dialogs));
    EXPECT_EQ(entries(), (Entries{"a", "D:\\b"}));

    fill({"a", "a", ""});
    session.deleteDoubleEntries();
    EXPECT_EQ(entries(), (Entries{"a", ""}));
    EXPECT_EQ(session.status(), "delete double");
    fill({});
    session.deleteDoubleEntries();
    EXPECT_EQ(session.status(), "kein Inhalt");
}

TEST_F(SessionTest, SavingWritesTheListOrSaysWhyAndChangesNothing)
{
    fill({"/a", ""});
    session.setFolder(StoredFolder::ListFileDirectory, "/cfg");
    ASSERT_TRUE(session.save(dialogs));  // no storage location yet: the program's folder
    EXPECT_EQ(files.files["/opt/dirnal/dirnal.lst"], "/a\r\n\r\n");
    EXPECT_EQ(session.storageLocation(), "/opt/dirnal/dirnal.lst");
    EXPECT_EQ(session.status(), "file saved");
    EXPECT_EQ(dialogs.notices, Entries{"Datei dirnal.lst wurde unter /cfg gespeichert"});

    // The system's code in brackets, and what became of the old file.
    files.failing["/ro/dirnal.lst"] = {FileError::Kind::AccessDenied, 13};
    files.failing["/cad/dirnal.lst"] = {FileError::Kind::FileTooLarge, 27, FileError::OldContent::WrittenBack};
    EXPECT_FALSE(session.saveInto("/ro", dialogs));
    EXPECT_FALSE(session.writeListFile("/cad/dirnal.lst", dialogs));
    EXPECT_EQ(session.storageLocation(), "/opt/dirnal/dirnal.lst");
    EXPECT_EQ(dialogs.errors,
              (Entries{"Die Datei /ro/dirnal.lst konnte nicht gespeichert werden.\nKeine Berechtigung, oder die Datei "
                       "ist schreibgeschützt (Fehlercode 13).\nDie alte Datei ist unverändert.",
                       "Die Datei /cad/dirnal.lst konnte nicht gespeichert werden.\nDie Datei wäre größer, als das "
                       "System erlaubt (Fehlercode 27).\nDie Datei wurde beim Schreiben unterbrochen; ihr alter Inhalt "
                       "wurde Byte für Byte zurückgeschrieben."}));
    EXPECT_TRUE(session.saveInto("/cfg", dialogs));
    EXPECT_EQ(session.storageLocation(), "/cfg/dirnal.lst");

    // At close: an empty list is not offered, and No closes without saving.
    session.list().clear();
    dialogs.questions.clear();
    EXPECT_TRUE(session.offerToSave(dialogs));
    fill({"/a"});
    session.setStorageLocation("/ro/dirnal.lst");
    EXPECT_TRUE(session.offerToSave(dialogs));
    EXPECT_EQ(dialogs.questions, Entries{"Wollen Sie die Datei /ro/dirnal.lst speichern ?"});
}

TEST_F(SessionTest, ReadingAppendsWhatFitsAndAnUnreadableFileChangesNothing)
{
    fill(Entries(PathList::kMaxEntries - 2, "x"));
    files.files["/l/dirnal.lst"] = "/a\r\n" + std::string(kMaxEntryLength + 1, 'z') + "\n/b\r/c\r\n";
    ASSERT_TRUE(session.readListFile("/l/dirnal.lst", dialogs));
    EXPECT_EQ(session.list().count(), PathList::kMaxEntries);
    EXPECT_EQ(entries().back(), "/b");
    EXPECT_EQ(session.storageLocation(), "/l/dirnal.lst");
    EXPECT_EQ(dialogs.notices,
              (Entries{"1 Zeile(n) der Datei sind länger als 32767 Zeichen und wurden nicht gelesen.",
                       "Die Liste fasst höchstens 32767 Einträge: 1 Zeilen der Datei wurden nicht gelesen."}));
    // With the list full, a file of endless lines is read no further than one line of the longest length.
    files.files["/l/endless.lst"] = std::string(10 * kMaxEntryLength, '\n');
    ASSERT_TRUE(session.readListFile("/l/endless.lst", dialogs));
    EXPECT_EQ(dialogs.notices.back(), "Die Datei geht über das hinaus, was die Liste mit höchstens 32767 Einträgen "
                                      "fassen kann; ihr Rest wurde nicht gelesen.");
    EXPECT_EQ(dialogs.notices.at(dialogs.notices.size() - 2),
              "Die Liste fasst höchstens 32767 Einträge: 32769 Zeilen der Datei wurden nicht gelesen.");
    fill(Entries(PathList::kMaxEntries - 1, "x"));  // room for one: the file is cut within "/abc", no entry
    files.files["/l/cut.lst"] = std::string(2 * kMaxEntryLength + 1, 'x') + "\n/abc/def\r\n";
    ASSERT_TRUE(session.readListFile("/l/cut.lst", dialogs));
    EXPECT_EQ(session.list().count(), PathList::kMaxEntries - 1);

    EXPECT_FALSE(session.readListFile("/l/missing.lst", dialogs));
    EXPECT_EQ(dialogs.errors,
              Entries{"Die Datei /l/missing.lst konnte nicht gelesen werden.\nDie Datei existiert nicht (Fehlercode 2)."});
    EXPECT_EQ(session.storageLocation(), "/l/cut.lst");
    EXPECT_FALSE(session.readChosenListFile("/l", "", dialogs));
    EXPECT_EQ(dialogs.notices.back(), "Zuerst Datei auswählen !");
}

}  // namespace
}  // namespace dirnal
