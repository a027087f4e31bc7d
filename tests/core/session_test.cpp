// The session through its public operations, with the file system, the
// settings, the list files and the user's answers in memory.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <thread>
#include <tuple>

#include "core/list_file.h"
#include "core/messages.h"
#include "core/session.h"
#include "support/fake_lister.h"
#include "support/held_checks.h"
#include "support/session_fakes.h"

namespace dirnal {
namespace {

using Entries = std::vector<std::string>;
namespace keys = settings_keys;

// Every announcement heard, in order: "list Rewritten 0-1", "status", ...
struct Recorder final : SessionListener {
    void listChanged(const ListChange& c) override
    {
        const std::string kinds[] = {"list Rebuilt", "list Rewritten", "list Appended", "list Selection", "list Current"};
        const bool range = c.kind != ListChange::Kind::Rebuilt;
        said(kinds[static_cast<int>(c.kind)] + (range ? " " + std::to_string(c.first) + "-" + std::to_string(c.last) : ""));
    }
    void startPositionChanged() override { said("start"); }
    void storageLocationChanged() override { said("storage"); }
    void nameFormChanged() override { said("name form"); }
    void clickedEntryChanged() override { said("clicked"); }
    void singlePathChanged() override { said("single path"); }
    void statusChanged() override { said("status"); }
    void busyChanged() override { said("busy"); }
    void said(std::string what) { heard.push_back(std::move(what)); }
    Entries take() { return std::exchange(heard, {}); }
    Entries heard;
};

class SessionTest : public ::testing::Test {
protected:
    explicit SessionTest(PathStyle style = PathStyle::Posix) : fs(style), session(services(style)) {}

    SessionServices services(PathStyle style, std::optional<std::string> documents = std::nullopt)
    {
        const auto shortName = [this](const std::string& p) {
            const auto known = shortNames.find(p);
            return known != shortNames.end() ? known->second : p + "~1";
        };
        return {&fs, &settings, &files, &drives, shortName,
                [](const std::string& p) { return p.ends_with("~1") ? p.substr(0, p.size() - 2) : p; }, style,
                nullptr, std::move(documents)};
    }
    // Reads the entries in as a list file; it becomes the storage location.
    void fill(const Entries& entries, Session& into)
    {
        files.files["/in/dirnal.lst"] = encodeListFile(entries);
        ASSERT_TRUE(into.readListFile("/in/dirnal.lst", dialogs));
    }
    void fill(const Entries& entries) { fill(entries, session); }
    void startAt(const std::string& dir, Session& s) { s.setFolder(StoredFolder::StartDirectory, dir), s.confirmStartPosition(); }
    const Entries& entries() const { return session.list().entries(); }
    static Entries selected(const Session& s)
    {
        Entries selected;
        for (int i = 0; i < s.list().count(); ++i)
            if (s.list().isSelected(i))
                selected.push_back(s.list().entryAt(i));
        return selected;
    }

    testing::FakeLister fs;
    testing::MemorySettings settings;
    testing::MemoryFiles files;
    std::map<std::string, std::string> shortNames;  // others: the path and "~1"
    testing::ScriptedDialogs dialogs;
    testing::FakeDrives drives{{{"C:", ""}, {"X:", "\\\\srv\\data"}}};
    Session session;
};

TEST_F(SessionTest, StartUpAppliesTheStoredFoldersThatExistInOrderAndShutDownAndRestoreKeepTheFiveKeys)
{
    fs.addPaths({"/tmp", "/srv/cad", "/home/u/Dokumente"});
    using enum StoredFolder;
    const struct {
        std::map<std::string, std::string> stored;
        std::optional<std::string> documents;
        Entries folders;  // start directory and drive, list-file directory and drive
        std::string storageLocation;
        std::vector<StoredFolder> applied;  // in this order
    } cases[] = {
        {{}, "/home/u/Dokumente", {"/tmp/", "/", "/tmp/", "/"}, "/tmp/dirnal.lst",  // first run: the defaults
         {StartDirectory, StartDrive, ListFileDirectory, ListFileDrive}},
        {{{keys::kStartDirectory, "/gone"}, {keys::kListFileDirectory, "/srv/cad"}, {keys::kListFileDrive, "/no"}},
         "/home/u/fehlt", {"", "/", "/srv/cad", ""}, "/srv/cad/dirnal.lst", {StartDrive, ListFileDirectory}},
        // Documents for the folders that are gone, after the drives, which would move them away.
        {{{keys::kStartDirectory, "/gone"}, {keys::kListFileDirectory, "/gone"}}, "/home/u/Dokumente",
         {"/home/u/Dokumente", "/", "/home/u/Dokumente", "/"}, "/home/u/Dokumente/dirnal.lst",
         {StartDrive, ListFileDrive, StartDirectory, ListFileDirectory}},
    };
    for (const auto& c : cases) {
        settings.values = c.stored;
        Session s(services(PathStyle::Posix, c.documents));
        std::vector<StoredFolder> applied;
        s.startUp([&](StoredFolder f, const std::string& path) { applied.push_back(f), s.setFolder(f, path); });
        EXPECT_EQ(applied, c.applied);
        EXPECT_EQ((Entries{s.storageLocation(), s.startPosition()}), (Entries{c.storageLocation, c.folders[0]}));
        s.shutDown();  // what it stores is what the panels show
        auto& v = settings.values;
        EXPECT_EQ((Entries{v[keys::kStartDirectory], v[keys::kStartDrive], v[keys::kListFileDirectory], v[keys::kListFileDrive]}), c.folders);
    }
    settings.unusable = "/home/u/.config/x.conf";
    session.startUp({}, &dialogs);
    EXPECT_EQ(dialogs.notices, Entries{Messages().settingsNotStored("/home/u/.config/x.conf")});

    startAt("/start", session);
    session.setFolder(StoredFolder::StartDirectory, "/srv/cad");
    ASSERT_TRUE(session.saveInto("/b", dialogs));
    settings.written.clear();
    session.shutDown();
    EXPECT_EQ(settings.written, (Entries{keys::kListFile, keys::kStartDirectory, keys::kStartDrive,
                                         keys::kListFileDirectory, keys::kListFileDrive}));
    EXPECT_EQ(settings.values[keys::kListFile], "/b/dirnal.lst");
    // Restored: the storage location as stored, the folders that exist; the start position stays.
    settings.values[keys::kListFile] = "/elsewhere/list.lst";
    session.setFolder(StoredFolder::StartDirectory, "/x");
    session.restorePreviousInput();
    session.shutDown();
    EXPECT_EQ((Entries{session.storageLocation(), settings.values[keys::kStartDirectory], session.startPosition()}),
              (Entries{"/elsewhere/list.lst", "/srv/cad", "/start"}));
}

TEST_F(SessionTest, AStorageLocationWhoseSaveWasCutOffIsOfferedItsOldListBackTheCommandLineToolSaysHow)
{
    fs.addPaths({"/tmp"});
    const std::string file = "/tmp/dirnal.lst", mix = "/new\r\nld\r\n";
    const struct { std::string content; bool yes; std::size_t asked; std::string after; std::size_t copiesLeft; } cases[] = {
        {"/new\r\n", true, 0, "/new\r\n", 0},  // the save ended, its copy did not go
        {"/old\r\n", true, 0, "/old\r\n", 0},  // cut off before the first write
        {mix, false, 1, mix, 1},
        {mix, true, 1, "/old\r\n", 0},
    };
    for (const auto& c : cases) {
        files.files.clear();
        ASSERT_FALSE(RecoveryCopy(files, file, PathStyle::Posix).keep("/old\r\n", "/new\r\n"));
        files.files[file] = c.content;
        const std::string copy = files.ownFilesStartingWith("/tmp", ".dirnal.lst.").at(0);
        EXPECT_EQ(session.reportInterruptedSave(file, dialogs), c.asked == 1);
        EXPECT_TRUE(!c.asked || dialogs.errors.back().find("cp -- '" + copy + "' '" + file + "'") != std::string::npos);
        dialogs.answers = {c.yes};
        dialogs.questions.clear();
        Session s(services(PathStyle::Posix));
        s.startUp({}, &dialogs);
        EXPECT_EQ(std::tuple(dialogs.questions.size(), files.files[file], files.files.size() - 1),
                  std::tuple(c.asked, c.after, c.copiesLeft)) << c.content;
    }
    EXPECT_EQ(dialogs.notices.back(), Messages().restored(file));
}

TEST_F(SessionTest, EachOperationAnnouncesWhatItChangedOnceItIsDoneAndBeforeItAsks)
{
    fs.addPaths({"/r/a", "/r/b"});
    session.setFolder(StoredFolder::StartDirectory, "/r");
    Recorder recorder;
    session.addListener(recorder);
    fill({"/r/a", "x", "y"});
    EXPECT_EQ(recorder.take(), (Entries{"list Appended 0-2", "storage", "status"}));
    const Entries walked{"list Rebuilt", "busy", "list Rebuilt", "status", "busy"};
    dialogs.answers = {true};
    files.failing["/ro/dirnal.lst"] = {FileError::Kind::AccessDenied, 13};
    const struct {
        const char* what;
        std::function<void()> operation;
        Entries heard;
    } cases[] = {
        {"click", [&] { session.clickEntry(1); }, {"list Current 1-1", "clicked", "single path", "status"}},
        {"click again", [&] { session.clickEntry(1); }, {"status"}},
        {"select", [&] { session.selectEntries({{0, 1, true}}); }, {"list Selection 0-1"}},
        {"select again", [&] { session.selectEntries({{0, 1, true}}); }, {}},
        {"search", [&] { session.selectBySearchText("y"); },
         {"list Selection 0-2", "list Current 2-2", "clicked", "single path", "status"}},
        {"quotes", [&] { session.toggleQuotes(); }, {"list Rewritten 0-2"}},
        {"short names", [&] { session.switchNameForm(); }, {"list Rewritten 0-2", "name form"}},
        {"single path", [&] { session.appendSinglePath("z", dialogs); }, {"list Appended 3-3"}},
        {"typed", [&] { session.typeSinglePath("w"); }, {"single path"}},
        {"start", [&] { session.confirmStartPosition(); }, {"start"}},
        {"delete", [&] { session.deleteSelected(); }, {"list Rebuilt", "status"}},
        {"failed save", [&] { session.saveInto("/ro", dialogs); }, {"status"}},
        {"generate", [&] { session.generate(/*keepExisting=*/false, dialogs); }, walked},
        // Asked with the state it is about in view: nothing is pending then.
        {"generate after the question", [&] { session.generate(dialogs); }, walked},
    };
    for (const auto& c : cases) {
        c.operation();
        EXPECT_EQ(recorder.take(), c.heard) << c.what;
    }
    session.removeListener(recorder);
}

TEST_F(SessionTest, WhileTheWalkRunsTheSessionIsBusyAndNeitherWalksAgainNorSaves)
{
    fs.addPaths({"/r/b", "/r/a", "/r/zwei\nzeilen"});
    fs.makeUnreadable("/r/b");
    fill({"/old"});
    session.setFolder(StoredFolder::StartDirectory, "/r");
    Recorder recorder;
    session.addListener(recorder);
    session.generate(dialogs, {}, [&](const std::function<GeneratedList()>& walk) {
        EXPECT_TRUE(session.busy() && session.list().entries().empty()) << "the old entries are out meanwhile";
        EXPECT_EQ(session.generate(false, dialogs).total, 0);
        EXPECT_FALSE(session.writeListFile("/in/dirnal.lst", dialogs));
        session.reportWalkProgress(7);
        EXPECT_TRUE(session.status() == "7 Verzeichnisse gefunden..." && recorder.heard.back() == "status")
            << "told at once, while the walk goes on";
        return walk();
    });
    session.removeListener(recorder);
    EXPECT_EQ(dialogs.questions, Entries{"Wollen Sie die bestehende Liste löschen ?"});  // No: the old list stays
    EXPECT_TRUE(!session.busy() && entries() == (Entries{"/r/a", "/r/b", "/old"}) && session.status() == "Total: 2");
    GenerationReport walked;
    walked.total = 2, walked.unreadable = {"/r/b"}, walked.withLineBreaks = 1;
    EXPECT_EQ(dialogs.notices, Messages().walkNotices(walked));
    EXPECT_EQ(files.files["/in/dirnal.lst"], "/old\r\n") << "not saved during the walk";
    // The limit comes first; one unreadable folder is worded apart and named; a placeholder without its value stays.
    walked.limitReached = true;
    EXPECT_NE(Messages().walkNotices(walked).at(0).find("32767"), std::string::npos);
    EXPECT_TRUE(Messages().walkNotices(walked).at(1) == "1 Verzeichnis konnte nicht gelesen werden; seine "
                "Unterverzeichnisse fehlen in der Liste.\n/r/b" && substitute("%1 und %2, %3", {"a", "b"}) == "a und b, %3");

    // A start folder that cannot be read, or a cancel, leaves the list as it was, also after Yes to deleting it.
    fs.makeUnreadable("/r");
    for (const bool cancel : {false, true}) {
        if (cancel)
            session.setFolder(StoredFolder::StartDirectory, "/r/a");
        dialogs.answers = {true}, dialogs.errors.clear();
        const GenerationReport report = session.generate(dialogs, {}, [&](const std::function<GeneratedList()>& walk) {
            if (cancel)
                session.cancelWalk();
            return walk();
        });
        EXPECT_TRUE(entries() == (Entries{"/r/a", "/r/b", "/old"}) && !session.busy());
        EXPECT_EQ(std::pair(session.status(), dialogs.errors),
                  cancel ? std::pair(Messages().walkCancelled(), Entries{})
                         : std::pair(Messages().listNotMade(), Entries{Messages().startFolderUnreadable("/r", report)}));
    }
}

TEST_F(SessionTest, MissingEntriesAreSelectedAsAClickChecksThemWhileBusyAndCounted)
{
    fs.addPaths({"/r/a", "/r/b"});
    startAt("/r", session);  // a relative entry is still checked as written
    const struct {
        Entries list;
        Entries selected;
        const char* status;
    } cases[] = {{{"/r/a", "a", "/gone", "", "/r/b/"}, {"a", "/gone", ""}, "3 Pfade existieren nicht"},
                 {{"/r/a", "/gone"}, {"/gone"}, "1 Pfad existiert nicht"},
                 {{"/r/a", "/r/b"}, {}, "Alle Pfade existieren"},
                 {{}, {}, "kein Inhalt"}};
    for (const auto& c : cases) {
        Session s(services(PathStyle::Posix));
        fill(c.list, s);
        s.selectEntries({{0, 0, true}});  // replaced
        std::size_t progress = 0;
        const auto run = [&](const std::function<void()>& check) {
            EXPECT_TRUE(s.busy() && s.generate(false, dialogs).total == 0) << "nothing else acts meanwhile";
            s.reportCheckProgress(1);
            EXPECT_EQ(s.status(), "1 von " + std::to_string(c.list.size()) + " Pfaden geprüft...");
            check();
        };
        CheckOptions options;
        options.concurrentChecks = 4;
        options.progress = [&](std::size_t n) { progress = n; };
        EXPECT_EQ(s.selectMissingEntries(run, options), c.selected.size());
        EXPECT_TRUE(selected(s) == c.selected && s.status() == c.status && !s.busy()) << c.status;
        if (!c.selected.empty()) {
            EXPECT_TRUE(s.singlePath() == c.selected[0] && s.clickedEntry()->index == s.list().currentIndex() &&
                        progress == c.list.size()) << "the first made current, as by a search";
        }
    }
}

TEST_F(SessionTest, AnEntryThatDoesNotAnswerIsNotSelectedAsMissingAndACancelledCheckChangesNothing)
{
    fs.addPaths({"/r/a"});
    testing::HeldChecks held(fs);
    held.hold("/hung");
    SessionServices heldServices = services(PathStyle::Posix);
    heldServices.lister = &held;
    Session s(heldServices);
    fill({"/hung", "/gone", "/r/a"}, s);
    CheckOptions briefly;
    briefly.timeout = std::chrono::milliseconds(20);
    EXPECT_EQ(s.selectMissingEntries({}, briefly), 1u);
    EXPECT_EQ(std::pair(selected(s), s.status()),
              std::pair(Entries{"/gone"}, std::string("1 Pfad existiert nicht; 1 Pfad nicht geprüft (keine Antwort oder "
                                                      "kein Zugriff), nicht ausgewählt")));
    briefly.concurrentChecks = 1;
    EXPECT_EQ(s.selectMissingEntries({}, briefly), 0u);
    EXPECT_EQ(s.status(), "0 Pfade existieren nicht; 3 Pfade nicht geprüft (keine Antwort oder kein Zugriff), nicht "
                          "ausgewählt") << "one stuck question of one at a time: the share is down, no more are asked";
    s.selectEntries({{2, 2, true}});
    const auto cancelWhileHeld = [&](const std::function<void()>& check) {
        std::thread checking(check);
        s.cancelWalk();
        checking.join();
    };
    EXPECT_EQ(s.selectMissingEntries(cancelWhileHeld), 0u);
    EXPECT_EQ(std::pair(selected(s), s.status()), std::pair(Entries{"/r/a"}, std::string("Prüfung abgebrochen")));
    EXPECT_FALSE(s.busy() || s.cancellable());
}

TEST_F(SessionTest, SearchSelectsCaseSensitivelyDeleteBlanksOnlyOnceClickedAndTheSinglePathBoxTakesAFind)
{
    fill({"/temp/a", "/Temp/b", "", " ", "/x/temp"});
    const struct {
        const char* text;
        int first;
        Entries selected;
    } cases[] = {{"temp", 0, {"/temp/a", "/x/temp"}}, {"", 0, {"/temp/a", "/Temp/b", " ", "/x/temp"}}, {"no", -1, {}}};
    for (const auto& c : cases) {
        session.selectEntries({{2, 2, true}});  // a selection made before is replaced
        EXPECT_EQ(session.selectBySearchText(c.text), c.first) << c.text;
        EXPECT_EQ(selected(session), c.selected) << c.text;
    }

    Session s(services(PathStyle::Posix));
    fs.addDirectory("/keep");
    fill({"/keep", "/x/del", "", "/y/del", " "}, s);
    s.selectEntries({{1, 1, true}});
    s.deleteSelected();
    EXPECT_EQ(s.list().entries(), (Entries{"/keep", "/x/del", "/y/del", " "})) << "only the empty entries go";
    EXPECT_EQ(s.selectBySearchText("del"), 1);
    EXPECT_TRUE(s.list().currentIndex() == 1 && s.status() == "existiert nicht !") << "current, as if clicked";
    s.deleteSelected();
    EXPECT_TRUE(s.list().entries() == (Entries{"/keep", " "}) && s.status() == "löschen...");
    s.clickEntry(0);
    EXPECT_EQ(s.status(), "ok.");

    // A search fills the single-path box until the user types there (that typed text stays through a search, and
    // that a click replaces it: the window's test); a pasted line break is no part of a path.
    Session box(services(PathStyle::Posix));
    fill({"/a", "/b/x", "/c/x"}, box);
    EXPECT_EQ(box.selectBySearchText("b"), 1);
    EXPECT_EQ(box.singlePath(), "/b/x") << "nothing typed: the find is there to be edited";
    box.typeSinglePath("/mine");
    EXPECT_TRUE(box.confirmSinglePath(dialogs));
    box.selectBySearchText("c");
    EXPECT_EQ(box.singlePath(), "/c/x") << "appended, the typed text is safe in the list";

    for (const char* typed : {"", "\r\n", "/one\r\n"})  // nothing to add; pasted with its line break
        EXPECT_TRUE(box.appendSinglePath(typed, dialogs));
    EXPECT_EQ(box.list().entries(), (Entries{"/a", "/b/x", "/c/x", "/mine", "/one"}));
    Session full(services(PathStyle::Posix));
    fill(Entries(PathList::kMaxEntries, "x"), full);
    EXPECT_FALSE(full.appendSinglePath("/two", dialogs));
    EXPECT_EQ(dialogs.notices, Entries{Messages().listFullPathNotAdded()});
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
        fill(c.entries, s);
        startAt(c.start, s);
        c.toShares ? s.convertToNetworkShares() : s.convertToDriveLetters();
        EXPECT_EQ(std::pair(s.list().entries(), s.startPosition()), std::pair(c.expected, c.expectedStart)) << c.start;
    }
}

class WindowsSessionTest : public SessionTest {
protected:
    WindowsSessionTest() : SessionTest(PathStyle::Windows) {}
};

TEST_F(WindowsSessionTest, NamesTakeTheFormAskedForQuotesOffFirstAndDeleteDoubleNeedsContent)
{
    // Short and long names by themselves, and relative paths: the conversions' test; the switch: the window's.
    session.deleteDoubleEntries();
    EXPECT_EQ(session.status(), "kein Inhalt");
    fs.addDirectory("C:\\a");
    fs.addDirectory("C:\\a~1");
    fill({"\"C:\\a\"", "C:\\a~1", "D:\\b", ""});
    session.convertNames(NameForm::Long);  // the form they have now
    EXPECT_EQ(entries(), (Entries{"C:\\a", "C:\\a", "D:\\b", ""}));
    session.deleteDoubleEntries();
    EXPECT_EQ(entries(), (Entries{"C:\\a", "D:\\b", ""}));
    EXPECT_EQ(session.status(), "delete double");
}

TEST_F(SessionTest, SavingWritesTheListOrSaysWhyAndChangesNothing)
{
    fill({"/a", ""});
    session.setFolder(StoredFolder::ListFileDirectory, "/cfg");
    settings.values[keys::kListFile] = "";
    session.restorePreviousInput();
    files.readOnly = {"/opt/dirnal"};  // without a Documents folder, it is tried all the same
    ASSERT_TRUE(session.save(dialogs));  // no storage location: the program's folder
    EXPECT_EQ((Entries{files.files["/opt/dirnal/dirnal.lst"], session.storageLocation(), session.status()}),
              (Entries{"/a\r\n\r\n", "/opt/dirnal/dirnal.lst", "file saved"}));
    EXPECT_EQ(dialogs.notices, Entries{"Datei dirnal.lst wurde unter /cfg gespeichert"});
    // Or the Documents folder, where the program's folder takes no file, and a notice names it.
    fs.addDirectory("/home/u/Dokumente");
    const std::string inDocuments = "/home/u/Dokumente/dirnal.lst";
    const struct {
        std::string documents, readOnly, savedTo;
    } fallbacks[] = {{"/home/u/Dokumente", "", "/opt/dirnal/dirnal.lst"},
                     {"/home/u/fehlt", "/opt/dirnal", "/opt/dirnal/dirnal.lst"},
                     {"/home/u/Dokumente", "/opt/dirnal", inDocuments}};
    for (const auto& c : fallbacks) {
        Session s(services(PathStyle::Posix, c.documents));
        files.readOnly = {c.readOnly};
        s.setFolder(StoredFolder::ListFileDirectory, "/cfg");
        s.restorePreviousInput();
        dialogs.notices.clear();
        ASSERT_TRUE(s.save(dialogs));
        EXPECT_EQ(s.storageLocation(), c.savedTo) << c.documents << " " << c.readOnly;
    }
    EXPECT_EQ(dialogs.notices, (Entries{"Datei dirnal.lst wurde unter /cfg gespeichert",
                                        Messages().savedInDocuments("/opt/dirnal", inDocuments)}));

    // The system's code in brackets, and what became of the old file.
    const FileError denied{FileError::Kind::AccessDenied, 13}, tooLarge{FileError::Kind::FileTooLarge, 27,
                                                                        FileError::OldContent::WrittenBack};
    files.failing = {{"/ro/dirnal.lst", denied}, {"/cad/dirnal.lst", tooLarge}};
    EXPECT_FALSE(session.saveInto("/ro", dialogs));
    EXPECT_FALSE(session.writeListFile("/cad/dirnal.lst", dialogs));
    EXPECT_EQ(Entries({session.storageLocation(), session.status()}),
              Entries({"/opt/dirnal/dirnal.lst", "Liste nicht gespeichert"}));
    EXPECT_EQ(dialogs.errors, (Entries{Messages().saveFailed("/ro/dirnal.lst", denied, /*fileExisted=*/false),
                                       Messages().saveFailed("/cad/dirnal.lst", tooLarge)}));
    EXPECT_EQ(dialogs.errors[1], "Die Datei /cad/dirnal.lst konnte nicht gespeichert werden.\nDie Datei wäre größer, "
                                 "als das System erlaubt (Fehlercode 27).\nDie Datei wurde beim Schreiben unterbrochen; "
                                 "ihr alter Inhalt wurde Byte für Byte zurückgeschrieben.");

    // At close: No closes without saving; an empty list is not offered.
    EXPECT_TRUE(session.offerToSave(dialogs));
    EXPECT_EQ(dialogs.questions, Entries{"Wollen Sie die Datei /opt/dirnal/dirnal.lst speichern ?"});
    EXPECT_TRUE(Session(services(PathStyle::Posix)).offerToSave(dialogs) && dialogs.questions.size() == 1);
}

TEST_F(SessionTest, ReadingAppendsWhatFitsAndAnUnreadableFileChangesNothing)
{
    fill(Entries(PathList::kMaxEntries - 2, "x"));
    files.files["/l/dirnal.lst"] = "/a\r\n" + std::string(kMaxEntryLength + 1, 'z') + "\n/b\r/c\r\n";
    ASSERT_TRUE(session.readListFile("/l/dirnal.lst", dialogs));
    EXPECT_TRUE(session.list().count() == PathList::kMaxEntries && entries().back() == "/b");
    const Messages m;
    EXPECT_EQ(dialogs.notices, m.readNotices({{}, /*linesLeftOut=*/1, /*linesTooLong=*/1}, false));
    EXPECT_EQ(dialogs.notices, (Entries{"1 Zeile der Datei ist länger als 32767 Zeichen und wurde nicht gelesen.",
                                        "Die Liste fasst höchstens 32767 Einträge: 1 Zeile der Datei wurde nicht gelesen."}));
    // With the list full, a file of endless lines is read no further than one line of the longest length.
    files.files["/l/endless.lst"] = std::string(10 * kMaxEntryLength, '\n');
    dialogs.notices.clear();
    ASSERT_TRUE(session.readListFile("/l/endless.lst", dialogs));
    EXPECT_EQ(dialogs.notices, m.readNotices({{}, 32769, 0}, /*cutShort=*/true));
    Session roomForOne(services(PathStyle::Posix));  // the file is cut within "/abc": no entry
    fill(Entries(PathList::kMaxEntries - 1, "x"), roomForOne);
    files.files["/l/cut.lst"] = std::string(2 * kMaxEntryLength + 1, 'x') + "\n/abc/def\r\n";
    ASSERT_TRUE(roomForOne.readListFile("/l/cut.lst", dialogs));
    EXPECT_EQ(roomForOne.list().count(), PathList::kMaxEntries - 1);

    EXPECT_FALSE(session.readListFile("/l/missing.lst", dialogs));
    EXPECT_EQ(dialogs.errors, Entries{m.readFailed("/l/missing.lst", {FileError::Kind::NotFound, 2})});
    EXPECT_EQ(session.storageLocation(), "/l/endless.lst") << "the last file read, not the missing one";
    EXPECT_FALSE(session.readChosenListFile("/l", "", dialogs));
    EXPECT_EQ(dialogs.notices.back(), "Zuerst Datei auswählen !");
}

TEST_F(SessionTest, EntriesTheCodePageCannotHoldGoInByTheirShortNamesOrAreLeftOutAndTheListStays)
{
    files.codePage = 1252;  // the fake's holds ASCII alone
    fs.addPaths({"/r/Ωmega", "/r/日本", "/r/a"});
    shortNames = {{"/r", "/r"}, {"/r/Ωmega", "/r/OMEGA~1"}};
    startAt("/r", session);
    const Entries list{"/r/Ωmega", "\"/r/Ωmega\"", "Ωmega", "/r/日本", "/r/a", "/weg/Ω1", "/weg/Ω2", "/weg/Ω3",
                       "/weg/Ω4", "/weg/Ω5", ""};
    fill(list);
    dialogs.notices.clear();
    session.setFolder(StoredFolder::ListFileDirectory, "/out");
    ASSERT_TRUE(session.saveInto("/out", dialogs));
    EXPECT_EQ(files.files["/out/dirnal.lst"], "/r/OMEGA~1\r\n\"/r/OMEGA~1\"\r\nOMEGA~1\r\n/r/a\r\n\r\n");
    EXPECT_TRUE(entries() == list && session.status() == "file saved");
    EXPECT_EQ(dialogs.notices, (Entries{"Datei dirnal.lst wurde unter /out gespeichert",
                                        Messages().writtenAsShortNames({"/r/Ωmega", "\"/r/Ωmega\"", "Ωmega"}, 1252)}));
    EXPECT_EQ(dialogs.errors, Entries{"Die Listendatei wird in der ANSI-Codepage 1252 geschrieben, die nicht jeden "
                                      "Namen fassen kann. 6 Einträge wurden nicht in die Datei geschrieben, "
                                      "da es keinen kurzen Namen (8.3) gibt, den sie fasst; in der Liste bleiben sie:"
                                      "\n/r/日本\n/weg/Ω1\n/weg/Ω2\n/weg/Ω3\n/weg/Ω4\nund 1 weitere"});
}

TEST_F(SessionTest, ListFilesFromEditorsAreReadInTheirEncodingAndNoEntryHoldsANul)
{
    using E = TextEncoding;
    const std::string ae = "/\xC3\xA4";  // "/ä"
    const struct {
        std::string bytes;
        std::optional<unsigned> codePage;
        Entries read;
        std::optional<TextEncoding> found;  // none: the list file's own
        long long linesWithNul = 0;
    } cases[] = {
        {std::string("\xFF\xFE/\0\xE4\0\r\0\n\0/\0b\0", 14), 1252, {ae, "/b"}, E::Utf16LE},
        {std::string("\xFE\xFF\0/\0\xE4\0\n\0a\0\0\0b\0\n\xD8\x3D\xDE\x00\xDC\x00", 22), std::nullopt,
         {ae, "\xF0\x9F\x98\x80\xEF\xBF\xBD"}, E::Utf16BE, 1},  // a NUL line out; a pair, a lone surrogate
        {"\xEF\xBB\xBF/\xC3\xA4\r\n", 1252, {ae}, E::Utf8WithMark},
        {"/\xC3\xA4\r\n/b", 1252, {ae, "/b"}, E::Utf8},
        {"/\xC3\xA4\r\n", std::nullopt, {ae}, std::nullopt},
        {"/\xE4\r\n/b", 1252, {"/\xE4", "/b"}, std::nullopt},           // no UTF-8: the code page
        {"/b\r\n/\xED\xA0\x80", 1252, {"/b", "/\xED\xA0\x80"}, std::nullopt},  // a surrogate is no UTF-8
        {std::string("/a\0b\r\n/c", 8), 1252, {"/c"}, std::nullopt, 1},
    };
    for (const auto& c : cases) {
        files.codePage = c.codePage;
        Session reader(services(PathStyle::Posix));
        files.files["/l/dirnal.lst"] = c.bytes;
        dialogs.notices.clear();
        ASSERT_TRUE(reader.readListFile("/l/dirnal.lst", dialogs));
        EXPECT_EQ(reader.list().entries(), c.read) << c.bytes;
        Entries told = Messages().readNotices({{}, 0, 0, c.linesWithNul}, false);
        if (c.found)
            told.push_back(Messages().readInOtherEncoding(*c.found, c.codePage.value_or(0)));
        EXPECT_EQ(dialogs.notices, told) << c.bytes;
        files.codePage.reset();  // written as the names' bytes, without a mark
        ASSERT_TRUE(reader.saveInto("/out", dialogs));
        EXPECT_EQ(files.files["/out/dirnal.lst"], encodeListFile(c.read)) << c.bytes;
    }
    EXPECT_EQ(Messages().readInOtherEncoding(E::Utf16LE, 1252), "Die Datei ist in UTF-16 LE geschrieben und wurde so "
                                                                "gelesen. Gespeichert wird die Liste in der Form der "
                                                                "Listendatei: ANSI-Codepage 1252.");
}

}  // namespace
}  // namespace dirnal
