#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs.h"
#include "core/directory_lister.h"
#include "core/drive_table.h"
#include "core/existence_check.h"
#include "core/file_storage.h"
#include "core/generator.h"
#include "core/messages.h"
#include "core/path_conversions.h"
#include "core/path_list.h"
#include "core/path_style.h"
#include "core/session_listener.h"
#include "core/settings_store.h"

namespace dirnal {

// The form the entries have after the last short/long switch. The switch
// goes to the other form; the window's button names the form it goes to.
enum class NameForm { Long, Short };

// The folders the two directory panels show, stored between runs.
enum class StoredFolder { StartDirectory, StartDrive, ListFileDirectory, ListFileDrive };

struct StoredFolders {
    std::string startDirectory;     // the start-position panel's open directory
    std::string startDrive;         // ... and its drive
    std::string listFileDirectory;  // the list-file panel's open directory
    std::string listFileDrive;      // ... and its drive
};

// Entries first..last of the list, to be selected or not.
struct SelectionRange {
    int first;
    int last;
    bool selected;
};

// The entry last made current by a click or a search, and whether it
// named an existing directory then; not `checked` when the system gave no
// answer (in time, or at all).
struct ClickedEntry {
    int index = -1;
    bool exists = false;
    bool checked = true;
    bool operator==(const ClickedEntry&) const = default;
};

// What a session works with; every pointer must outlive it.
struct SessionServices {
    const DirectoryLister* lister = nullptr;
    SettingsStore* settings = nullptr;   // null: nothing is stored between runs
    FileStorage* files = nullptr;
    const DriveTable* drives = nullptr;  // the network-share conversions ask it
    PathConverter shortName = {};        // the platform's 8.3 names
    PathConverter longName = {};
    PathStyle style = PathStyle::Posix;
    const TextCatalog* texts = nullptr;  // null: the German texts as written
    // The user's Documents folder, where the platform has one (Windows):
    // the directory panels open there when no stored folder exists, and a
    // save without a storage location goes there when the program's folder
    // takes no file. None: the folder the program was started in, and the
    // program's folder.
    std::optional<std::string> documents = std::nullopt;
};

// One user's work on a list: the path list, the start position, the
// storage location of the list file, the stored folders and the status
// line, with every operation a user can trigger. Front ends show this
// state, hear of every change as a SessionListener, and forward the
// user's actions; questions and notices go through the Dialogs they pass.
// While a walk or a check of all entries runs the session is busy: front
// ends let nothing act then but a cancel of the walk.
class Session {
public:
    explicit Session(SessionServices services);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // A listener is told until it is removed, also while the session tells
    // the others; one that goes first must be removed.
    void addListener(SessionListener& listener);
    void removeListener(SessionListener& listener);

    const PathList& list() const { return list_; }
    const std::string& startPosition() const { return startPosition_; }
    const std::string& storageLocation() const { return storageLocation_; }
    // The status line; each text replaces the one before.
    const std::string& status() const { return status_; }
    // What the last command that sets no status did, in a few words: the
    // entries a conversion changed, the path appended, the new start
    // position, the entries read. Shown nowhere; a screen reader speaks it.
    const std::string& commandSummary() const { return commandSummary_; }
    const std::optional<ClickedEntry>& clickedEntry() const { return clicked_; }
    // A clicked entry has not answered yet whether it exists.
    bool clickedEntryPending() const { return entryQuestionOpen_; }
    // Shows such an entry as being checked, neither there nor gone: for
    // an answer that is slow to come.
    void showClickedEntryPending();
    NameForm nameForm() const { return nameForm_; }
    // The single-path box: its text stays while the box is hidden.
    const std::string& singlePath() const { return singlePath_; }
    // A walk is running, a check of all entries, start-up checks the stored
    // folders, or the window writes a list file.
    bool busy() const { return busy_; }
    // A walk or a check of all entries is running: what can be cancelled.
    bool cancellable() const { return activeCancel_ != nullptr; }
    bool checkingEntries() const { return entriesBeingChecked_ > 0; }
    // The texts in the user's language.
    const Messages& messages() const { return messages_; }

    // What the directory panels show; front ends report every change.
    void setFolder(StoredFolder folder, std::string path);

    // Makes the start-position panel's open directory the start position.
    void confirmStartPosition();
    // Opens a folder given as text (relative, with "." and "..", with a
    // trailing separator) in the form the directory panel reports, and
    // makes it the start position. False, and nothing changes, when the
    // folder as given or in that form is no directory: "nosuch/.." is
    // refused, as a directory panel refuses it.
    bool chooseStartDirectory(const std::string& given);

    // Applies a stored folder to the front end's panel; the panel reports
    // back what it then shows through setFolder. Empty: taken as it is.
    using ApplyFolder = std::function<void(StoredFolder folder, const std::string& path)>;

    // Start-up: the stored folders that still name a directory are applied
    // in order, the Documents folder to a panel whose directory is gone;
    // then the storage location is built from the list-file directory and
    // the start position taken from the start directory.
    // When nothing can be stored, the notices say so; when the storage
    // location's last save was cut off, they offer to put it right.
    void startUp(const ApplyFolder& apply = {}, Dialogs* notices = nullptr);
    // The same in two steps, for a window that checks the folders beside
    // its event loop, as a hung mount never answers: the paths to check, in
    // order, with the session busy until start-up ends and the status line
    // saying what it waits for; then start-up with one answer for each
    // path, false also for one that did not answer in time.
    std::vector<std::string> beginStartUp();
    void finishStartUp(const std::vector<bool>& exist, const ApplyFolder& apply = {}, Dialogs* notices = nullptr);
    // Shutdown: writes the five stored values.
    void shutDown();
    // "vorige Eingabe einstellen": the stored storage location as it stands,
    // and the stored folders that still exist. The start position stays.
    // Whether each stored folder still exists is asked first, of the lister
    // unless given (one answer each, in the order of storedFolderPaths()).
    void restorePreviousInput(const ApplyFolder& apply = {}, const std::optional<std::vector<bool>>& exist = {});
    std::vector<std::string> storedFolderPaths() const;

    // Runs a walk; a window runs it beside its event loop. Empty: right away.
    using WalkRunner = std::function<GeneratedList(const std::function<GeneratedList()>& walk)>;
    // "2. Liste erstellen": asks whether an existing list goes (No keeps its
    // entries after the new ones), walks the start directory and reports.
    // Busy from the walk's start until its notices have been shown.
    // Walks end with the list or with one of these: the start folder could
    // not be listed (the user is told why) or the walk was cancelled. Either
    // way the list stays as it was before, also when the user had agreed to
    // delete it. A walk given a cancel of its own in the options stops on
    // that, else on cancelWalk().
    GenerationReport generate(Dialogs& dialogs, const WalkOptions& options = {}, const WalkRunner& run = {});
    // The same without the question.
    GenerationReport generate(bool keepExisting, Dialogs& dialogs, const WalkOptions& options = {},
                              const WalkRunner& run = {});
    // While the walk runs: the status line tells how far it got.
    void reportWalkProgress(int directoriesFound);
    // Stops the walk or the check of all entries that runs, at once;
    // nothing otherwise.
    void cancelWalk();

    // A click on an entry: it becomes current, the status line tells
    // whether it exists, and its text goes into the single-path box.
    void clickEntry(int index);
    // Selects or deselects entries, as the user did in the view.
    void selectEntries(const std::vector<SelectionRange>& ranges);
    // Selects the entries holding the text; the first becomes current, as
    // if clicked, but its text goes into the single-path box only when the
    // user has not typed there since. The index of the first, or -1.
    int selectBySearchText(std::string_view text);
    // Runs work beside a window's event loop; empty: right away.
    using RunBesideEventLoop = std::function<void(const std::function<void()>& work)>;
    // "nicht vorhandene Pfade auswählen": selects exactly the entries that
    // name no existing directory, each checked as a click checks it; the
    // first becomes current as a search's first find does, so that a delete
    // right after removes them. An entry the system could not look at (no
    // answer in time, no access) is not selected, and counted apart. The
    // status line tells how many; the number is returned. Busy while the
    // entries are checked; cancelled, the selection stays as it was.
    std::size_t selectMissingEntries(const RunBesideEventLoop& run = {}, const CheckOptions& options = {});
    // While the check runs: the status line tells how far it got.
    void reportCheckProgress(std::size_t checked);
    // Blanks the selected entries (once an entry was ever clicked), then
    // drops the empty ones.
    void deleteSelected();
    // Appends a single path, without the line breaks a paste may bring.
    // False when the list is full (and says so); an empty text adds
    // nothing and is no failure.
    bool appendSinglePath(const std::string& text, Dialogs& dialogs);
    // The user typed into the single-path box.
    void typeSinglePath(std::string text);
    // Appends the box's text; once it is in the list, a search may replace it.
    bool confirmSinglePath(Dialogs& dialogs);

    void convertToNetworkShares();
    void convertToDriveLetters();
    // Short names, or back to long ones: the other form than now.
    void switchNameForm();
    // The entries in the given form, whatever the form now.
    void convertNames(NameForm form);
    void toggleQuotes();
    // Asks first, as it cannot be undone. False when the user said No.
    bool makeRelative(Dialogs& dialogs);
    void relativeToStartPosition();
    void deleteDoubleEntries();
    // Removes the entries that name no existing directory; one relative to
    // the start position is checked there. Those the system could not look
    // at stay, and come back.
    std::vector<std::string> removeMissingEntries(const CheckOptions& options = {});
    void reportDriveUnavailable();
    void reportFolderUnavailable();

    // The list as a list file's bytes. An entry the file's encoding cannot
    // hold is written as its short name where the directory has one that
    // it holds, otherwise left out; the list itself stays as it is.
    EncodedList listFileBytes() const;
    EncodedList encode(const std::vector<std::string>& entries) const;
    // The file an output path means: a folder gets a dirnal.lst.
    std::string listFileFor(const std::string& output) const;
    // Writes the list to the path and gives what became of the entries its
    // encoding cannot hold; a failure is reported and changes nothing but
    // the status line. Never while a walk runs: the list is being made then.
    std::optional<UnheldEntries> writeListFile(const std::string& path, Dialogs& dialogs);
    // Runs a write of a list file; a window runs it beside its event loop,
    // busy meanwhile, with the status line saying that it waits. None: the
    // write runs right away.
    using WriteRunner = std::function<void(const std::function<void()>& write)>;
    void setWriteRunner(WriteRunner run) { writeRunner_ = std::move(run); }
    // Asks whether a clicked entry exists and hands the answer over later,
    // on the session's thread (a window asks beside its event loop and
    // answers Unknown when no answer comes in time). None: asked at once.
    // Runs what waits for a file system to answer, or for a cancel: the read
    // of a list file, a conversion of the names; a window runs it beside its
    // event loop, busy and cancellable meanwhile. None: it runs right away
    // and cannot be cancelled.
    void setFileSystemRunner(RunBesideEventLoop run) { fileSystemRunner_ = std::move(run); }
    using EntryQuestion = std::function<void(const std::string& path, std::function<void(Existence)> answered)>;
    void setEntryQuestion(EntryQuestion ask) { entryQuestion_ = std::move(ask); }
    // Tells the user which entries went into the file by their short
    // names, and warns of those left out.
    void tellUnheldEntries(const UnheldEntries& unheld, Dialogs& dialogs);
    // "Speichern": to the storage location, then "file saved" and a notice.
    // With none, to the program's folder, or to the Documents folder if the
    // program's folder takes no file, which a second notice then names.
    bool save(Dialogs& dialogs);
    // Saves into a folder; the storage location changes only on success.
    bool saveInto(const std::string& directory, Dialogs& dialogs);
    // At close: offers to save a non-empty list. False only when the user
    // wanted to save and it failed.
    bool offerToSave(Dialogs& dialogs);
    // Appends a list file's entries, as many as there is room for, and
    // makes it the storage location. A file that cannot be read changes
    // nothing.
    bool readListFile(const std::string& path, Dialogs& dialogs);
    // A list file whose last save in place was cut off before the file was
    // whole (the program killed, the power gone), and the copy of its old
    // content. The command-line tool: the error says how to put the old
    // content back or keep the file as it is; true when so. The window (at
    // start-up, for the storage location): asks, and Yes puts it back.
    bool reportInterruptedSave(const std::string& file, Dialogs& dialogs);
    void offerToRestore(const std::string& file, Dialogs& dialogs);
    // Reads a list file and finds its entries that name no existing
    // directory, in the file's order; one relative to the file's folder is
    // checked there. Nothing when the file cannot be read (said so).
    struct ListFileCheck {
        std::size_t checked = 0;
        std::vector<std::string> missing;
        std::vector<std::string> unchecked;  // the system could not look at them
        std::string relativeBase;  // where relative entries were checked; empty: there were none
    };
    std::optional<ListFileCheck> checkListFile(const std::string& listFile, Dialogs& dialogs,
                                               const CheckOptions& options = {});
    // The entries of a list file that exists, read without a word; nothing
    // where there is no file or it cannot be read.
    std::optional<std::vector<std::string>> entriesOfExistingFile(const std::string& listFile) const;
    // Tells how many entries the list has that `old` had not, and how many
    // of `old` it has no more.
    void tellChangesAgainst(const std::vector<std::string>& old, Dialogs& dialogs);
    // Entries as list file lines, as listFileBytes() writes them.
    std::string listFileLines(const std::vector<std::string>& entries) const;
    // The file chosen in a folder; none chosen is said so.
    bool readChosenListFile(const std::string& directory, const std::string& name, Dialogs& dialogs);

private:
    class Operation;
    class CancellableWait;
    // What the listeners were last told of.
    struct Announced {
        std::string startPosition;
        std::string storageLocation;
        NameForm nameForm = NameForm::Long;
        std::optional<ClickedEntry> clicked;
        std::string singlePath;
        unsigned statusCount = 0;
        unsigned summaryCount = 0;
        bool busy = false;
    };

    // Tells the listeners what changed since they were last told. Asked
    // while they are being told (a listener ran an operation), it tells
    // that too once they all have heard what came before.
    void announce();
    void announceOnce();
    // Questions and notices, with every change announced first, so that
    // the user reads them with the state they are about.
    bool ask(Dialogs& dialogs, const std::string& question);
    void tell(Dialogs& dialogs, const std::string& notice);
    void warn(Dialogs& dialogs, const std::string& failure);

    // What each entry names, relative ones taken below `base`.
    std::vector<Existence> existenceOfEntries(const std::vector<std::string>& entries, const std::string& base,
                                              const CheckOptions& options) const;
    // The entry's short form in the list file's encoding, for an existing
    // directory whose short name that encoding holds.
    std::optional<std::string> shortFormInListFileEncoding(const std::string& entry) const;
    // The storage location becomes the file once it is written.
    bool saveTo(const std::string& location, Dialogs& dialogs);
    // Asks through the file-system runner, busy and cancellable meanwhile
    // with the status given; none when cancelled, or when busy already. What `ask` uses must
    // outlive it, as a cancel leaves it behind.
    template <typename Answer>
    std::optional<Answer> askUnlessCancelled(std::function<Answer()> ask, std::string status);
    void setStatus(std::string text);
    void summarize(std::string text);
    // After a conversion: how many entries it changed against `before`.
    void summarizeConversion(const std::vector<std::string>& before);
    // Makes an entry current and tells in the status line whether it
    // exists, once that is known.
    void checkEntry(int index);
    void entryAnswered(unsigned question, int index, const std::string& entry, Existence existence);
    void makeCurrent(int index, Existence existence);
    struct StoredValue {
        StoredFolder folder;
        std::string path;
    };
    // The stored folders as the settings hold them, in the order they are applied.
    std::vector<StoredValue> storedFolders() const;
    // The paths start-up checks: the stored folders, then the Documents folder.
    std::vector<std::string> startUpChecks() const;
    void completeStartUp(const std::vector<bool>& exist, const ApplyFolder& apply, Dialogs* notices);
    // Applies the stored folders that exist (one answer each, in order) and
    // gives the panels' directories whose stored folder does not.
    std::vector<StoredFolder> applyStoredFolders(const ApplyFolder& apply, const std::vector<bool>& exist);
    std::vector<bool> existing(const std::vector<std::string>& paths) const;
    void applyFolder(const ApplyFolder& apply, StoredFolder folder, const std::string& path);
    // The Documents folder, if there is one and it exists.
    std::optional<std::string> documentsFolder() const;
    std::string join(std::string_view directory, std::string_view name) const;

    SessionServices services_;
    Messages messages_;
    std::vector<SessionListener*> listeners_;  // null: removed while they were being told
    int operationDepth_ = 0;
    bool announcing_ = false;
    bool announceAgain_ = false;
    Announced announced_;
    PathList list_;
    std::string startPosition_;
    std::string storageLocation_;
    std::string status_;
    std::string commandSummary_;
    unsigned summaryCount_ = 0;
    unsigned statusCount_ = 0;  // every text shown counts, also the same again
    std::optional<ClickedEntry> clicked_;
    bool entryClicked_ = false;  // an entry was ever clicked
    EntryQuestion entryQuestion_;
    unsigned entryQuestions_ = 0;  // an answer to an earlier one is dropped
    bool entryQuestionOpen_ = false;
    std::string singlePath_;
    bool singlePathTyped_ = false;
    NameForm nameForm_ = NameForm::Long;
    bool busy_ = false;
    WriteRunner writeRunner_;
    RunBesideEventLoop fileSystemRunner_;
    WalkCancel ownCancel_;
    WalkCancel* activeCancel_ = nullptr;  // the running walk's
    std::size_t entriesBeingChecked_ = 0;  // 0: no check of all entries runs
    StoredFolders folders_;
};

}  // namespace dirnal
