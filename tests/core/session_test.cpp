// The session through its public operations, with the file system, the
// settings, the list files and the user's answers in memory.
#include <gtest/gtest.h>

#include <map>

#include "core/messages.h"
#include "core/session.h"
#include "support/fake_lister.h"
#include "support/memory_files.h"
#include "support/memory_settings.h"
#include "support/scripted_dialogs.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;
namespace keys = settings_keys;

class FakeDrives final : public DriveTable {
public:
    std::vector<std::string> driveRoots() const override { return {"C:\\", "X:\\"}; }
    std::optional<std::string> remoteName(const std::string& drive) const override
    {
        return drive == "X:" ? std::optional<std::string>("\\\\srv\\data") : std::nullopt;
    }
};

class SessionTest : public ::testing::Test {
protected:
    explicit SessionTest(PathStyle style = PathStyle::Posix) : fs(style), session(services(style)) {}

    SessionServices services(PathStyle style)
    {
        SessionServices s;
        s.lister = &fs;
        s.settings = &settings;
        s.files = &files;
        s.drives = &drives;
        s.shortName = [](const std::string& p) { return p + "~1"; };
        s.longName = [](const std::string& p) { return p.substr(0, p.size() - 2); };
        s.style = style;
        return s;
    }
    void fill(const Entries& entries) { session.list().assign(entries); }
    const Entries& entries() const { return session.list().entries(); }

    testing::FakeLister fs;
    testing::MemorySettings settings;
    testing::MemoryFiles files;
    testing::ScriptedDialogs dialogs;
    FakeDrives drives;
    Session session;
};

TEST_F(SessionTest, StartUpAppliesTheStoredFoldersThatStillExist)
{
    struct Case {
        std::map<std::string, std::string> stored;
        StoredFolders expected;
        std::string storageLocation;
    };
    fs.addDirectory("/tmp");
    fs.addDirectory("/");
    fs.addChild("/srv", "cad");
    const Case cases[] = {
        // First run: the defaults, where they exist.
        {{}, {"/tmp/", "/", "/tmp/", "/"}, "/tmp/dirnal.lst"},
        // A folder deleted since: it is skipped, the panel keeps its own.
        {{{keys::kStartDirectory, "/gone"}, {keys::kListFileDirectory, "/srv/cad"}},
         {"/initial", "/", "/srv/cad", "/"},
         "/srv/cad/dirnal.lst"},
        // At a root: one separator only.
        {{{keys::kListFileDirectory, "/"}, {keys::kListFileDrive, "/nodrive"}}, {"/tmp/", "/", "/", "/initial"}, "/dirnal.lst"},
    };
    for (const Case& c : cases) {
        settings.values = c.stored;
        Session s(services(PathStyle::Posix));
        for (StoredFolder f : {StoredFolder::StartDirectory, StoredFolder::StartDrive, StoredFolder::ListFileDirectory,
                               StoredFolder::ListFileDrive})
            s.setFolder(f, "/initial");
        std::vector<StoredFolder> applied;
        s.startUp([&](StoredFolder f, const std::string& path) {
            applied.push_back(f);
            s.setFolder(f, path);
        });
        EXPECT_TRUE(std::is_sorted(applied.begin(), applied.end())) << "in the order of the keys";
        EXPECT_EQ(s.folders().startDirectory, c.expected.startDirectory);
        EXPECT_EQ(s.folders().startDrive, c.expected.startDrive);
        EXPECT_EQ(s.folders().listFileDirectory, c.expected.listFileDirectory);
        EXPECT_EQ(s.folders().listFileDrive, c.expected.listFileDrive);
        EXPECT_EQ(s.storageLocation(), c.storageLocation);
        EXPECT_EQ(s.startPosition(), c.expected.startDirectory);
    }
}

TEST_F(SessionTest, ShutDownWritesTheFiveKeysInOrderAndRestoreReadsThemBack)
{
    session.setFolder(StoredFolder::StartDirectory, "/a");
    session.setFolder(StoredFolder::StartDrive, "/");
    session.setFolder(StoredFolder::ListFileDirectory, "/b");
    session.setFolder(StoredFolder::ListFileDrive, "/");
    session.setStorageLocation("/b/dirnal.lst");
    session.shutDown();
    EXPECT_EQ(settings.written, (Entries{keys::kListFile, keys::kStartDirectory, keys::kStartDrive,
                                         keys::kListFileDirectory, keys::kListFileDrive}));
    EXPECT_EQ(settings.values[keys::kStartDirectory], "/a");

    // "vorige Eingabe": the storage location as stored, the folders that
    // exist, and the start position stays.
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
    fs.addChild("/r", "b");
    fs.addChild("/r", "a");
    session.setFolder(StoredFolder::StartDirectory, "/r");
    session.generate(dialogs);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(entries(), (Entries{"/r/a", "/r/b"}));
    EXPECT_EQ(session.status(), "Total: 2");

    fill({"/old", "/r/a"});
    dialogs.answers = {false};  // No: the old entries stay after the new ones, once each
    session.generate(dialogs);
    EXPECT_EQ(dialogs.questions, Entries{"Wollen Sie die bestehende Liste löschen ?"});
    EXPECT_EQ(entries(), (Entries{"/r/a", "/r/b", "/old"}));

    dialogs.answers = {true};
    session.generate(dialogs);
    EXPECT_EQ(entries(), (Entries{"/r/a", "/r/b"}));
    EXPECT_TRUE(dialogs.notices.empty());
}

TEST(SessionMessages, AWalkReportTurnsIntoItsNotices)
{
    struct Case {
        GenerationReport report;
        Entries notices;
    };
    const Case cases[] = {
        {{5, 0, 2, 0, false}, {}},
        {{5, 1, 0, 0, false},
         {"1 Verzeichnis konnte nicht gelesen werden; seine Unterverzeichnisse fehlen in der Liste."}},
        {{5, 3, 0, 2, true},
         {"Die Liste ist unvollständig: die Höchstzahl von 32767 Einträgen wurde erreicht.",
          "3 Verzeichnisse konnten nicht gelesen werden; ihre Unterverzeichnisse fehlen in der Liste.",
          "2 Verzeichnis(se) mit einem Zeilenumbruch im Namen können nicht in die Liste übernommen werden; sie "
          "fehlen samt ihren Unterverzeichnissen."}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(messages::walkNotices(c.report), c.notices);
    EXPECT_EQ(messages::substitute("%1 und %2, %3", {"a", "b"}), "a und b, %3");
}

TEST_F(SessionTest, SearchSelectsTheNonEmptyEntriesHoldingTheTextCaseSensitively)
{
    const struct {
        const char* text;
        int first;
        Entries selected;
    } cases[] = {
        {"temp", 0, {"/temp/a", "/x/temp"}},
        {"Temp", 1, {"/Temp/b"}},
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
        if (c.first >= 0) {
            EXPECT_EQ(session.list().currentIndex(), c.first) << "the first find is current, as if clicked";
        }
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
    EXPECT_EQ(session.clickedEntry()->index, 1);
    EXPECT_FALSE(session.clickedEntry()->exists);
    EXPECT_EQ(session.status(), "existiert nicht !");
    session.deleteSelected();
    EXPECT_EQ(entries(), (Entries{"/keep", " "}));
    EXPECT_EQ(session.status(), "löschen...");
    EXPECT_EQ(session.list().currentIndex(), -1);

    session.clickEntry(0);
    EXPECT_EQ(session.status(), "ok.");
    EXPECT_TRUE(session.clickedEntry()->exists);
}

TEST_F(SessionTest, SinglePathsAreAppendedUntilTheListIsFull)
{
    EXPECT_TRUE(session.appendSinglePath("", dialogs));
    EXPECT_TRUE(session.appendSinglePath("/one", dialogs));
    EXPECT_EQ(entries(), Entries{"/one"});
    fill(Entries(PathList::kMaxEntries, "x"));
    EXPECT_FALSE(session.appendSinglePath("/two", dialogs));
    EXPECT_EQ(session.list().count(), PathList::kMaxEntries);
    EXPECT_EQ(dialogs.notices, Entries{"Die Liste ist voll (32767 Einträge); der Pfad wurde nicht hinzugefügt."});
}

class WindowsSessionTest : public SessionTest {
protected:
    WindowsSessionTest() : SessionTest(PathStyle::Windows) {}
};

TEST_F(WindowsSessionTest, ConversionsUseTheDriveTableAndTheNameForm)
{
    fs.addDirectory("X:\\proj");
    fill({"X:\\proj", "\"X:\\proj\"", "C:\\local"});
    session.setStartPosition("X:\\proj");
    session.convertToNetworkShares();
    EXPECT_EQ(entries(), (Entries{"\\\\srv\\data\\proj", "\"X:\\proj\"", "C:\\local"}));
    EXPECT_EQ(session.startPosition(), "\\\\srv\\data\\proj");
    session.convertToDriveLetters();
    EXPECT_EQ(entries(), (Entries{"X:\\proj", "\"X:\\proj\"", "C:\\local"}));
    EXPECT_EQ(session.startPosition(), "X:\\proj");

    // Quotes come off first; only existing directories change their name.
    EXPECT_EQ(session.nameForm(), NameForm::Long);
    session.switchNameForm();
    EXPECT_EQ(session.nameForm(), NameForm::Short);
    EXPECT_EQ(entries(), (Entries{"X:\\proj~1", "X:\\proj~1", "C:\\local"}));
    fs.addDirectory("X:\\proj~1");
    session.switchNameForm();
    EXPECT_EQ(session.nameForm(), NameForm::Long);
    EXPECT_EQ(entries(), (Entries{"X:\\proj", "X:\\proj", "C:\\local"}));

    session.toggleQuotes();
    EXPECT_EQ(entries().front(), "\"X:\\proj\"");

    // Asked for a form by name, the entries take it whatever the form was.
    fill({"X:\\proj~1"});
    session.convertNames(NameForm::Long);
    EXPECT_EQ(entries(), Entries{"X:\\proj"});
}

TEST_F(WindowsSessionTest, RelativeAsksFirstAndDeleteDoubleNeedsContent)
{
    fill({"C:\\work\\a", "D:\\b"});
    session.setStartPosition("C:\\work");
    EXPECT_FALSE(session.makeRelative(dialogs));
    EXPECT_EQ(entries().front(), "C:\\work\\a");
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
    // No storage location yet: the program's folder.
    ASSERT_TRUE(session.save(dialogs));
    EXPECT_EQ(files.files["/opt/dirnal/dirnal.lst"], "/a\r\n\r\n");
    EXPECT_EQ(session.storageLocation(), "/opt/dirnal/dirnal.lst");
    EXPECT_EQ(session.status(), "file saved");
    EXPECT_EQ(dialogs.notices, Entries{"Datei dirnal.lst wurde unter /cfg gespeichert"});

    files.files["/ro/dirnal.lst"] = "old\r\n";
    files.failing.insert("/ro/dirnal.lst");
    EXPECT_FALSE(session.saveInto("/ro", dialogs));
    EXPECT_EQ(files.files["/ro/dirnal.lst"], "old\r\n");
    EXPECT_EQ(session.storageLocation(), "/opt/dirnal/dirnal.lst");
    EXPECT_EQ(dialogs.errors, Entries{"Die Datei /ro/dirnal.lst konnte nicht gespeichert werden.\nKeine "
                                      "Berechtigung, oder die Datei ist schreibgeschützt.\nDie Liste ist "
                                      "unverändert und wurde nicht gespeichert."});
    EXPECT_TRUE(session.saveInto("/cfg", dialogs));
    EXPECT_EQ(session.storageLocation(), "/cfg/dirnal.lst");

    fs.addDirectory("/out");
    EXPECT_EQ(session.listFileFor("/out"), "/out/dirnal.lst");
    EXPECT_EQ(session.listFileFor("/out/name.lst"), "/out/name.lst");
}

TEST_F(SessionTest, TheOfferToSaveAtCloseKeepsTheWindowOnlyWhenASaveFailed)
{
    EXPECT_TRUE(session.offerToSave(dialogs));
    EXPECT_TRUE(dialogs.questions.empty()) << "an empty list is not offered";
    fill({"/a"});
    session.setStorageLocation("/ro/dirnal.lst");
    files.failing.insert("/ro/dirnal.lst");
    EXPECT_TRUE(session.offerToSave(dialogs));
    EXPECT_EQ(dialogs.questions, Entries{"Wollen Sie die Datei /ro/dirnal.lst speichern ?"});
    dialogs.answers = {true};
    EXPECT_FALSE(session.offerToSave(dialogs));
    EXPECT_FALSE(files.files.contains("/ro/dirnal.lst"));
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

    EXPECT_FALSE(session.readListFile("/l/missing.lst", dialogs));
    EXPECT_EQ(dialogs.errors, Entries{"Die Datei /l/missing.lst konnte nicht gelesen werden.\nDie Datei existiert nicht."});
    EXPECT_EQ(session.storageLocation(), "/l/dirnal.lst");
    EXPECT_FALSE(session.readChosenListFile("/l", "", dialogs));
    EXPECT_EQ(dialogs.notices.back(), "Zuerst Datei auswählen !");
}

}  // namespace
}  // namespace dirnal
