#include "core/session.h"

#include <algorithm>
#include <set>
#include <utility>

#include "core/delete_double.h"
#include "core/list_editing.h"
#include "core/list_file.h"
#include "core/list_file_text.h"
#include "core/messages.h"
#include "core/network_shares.h"
#include "core/unless_cancelled.h"

namespace dirnal {

// Every public operation that changes what listeners hear runs as one: what
// it changed is announced when the outermost one ends, and before each
// question or notice on the way.
class Session::Operation {
public:
    explicit Operation(Session& session) : session_(session) { ++session_.operationDepth_; }
    ~Operation()
    {
        if (--session_.operationDepth_ == 0)
            session_.announce();
    }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

private:
    Session& session_;
};

// Busy and cancellable while it lives, by the cancel given or else the
// session's own; idle again however the wait ends.
class Session::CancellableWait {
public:
    CancellableWait(Session& session, WalkCancel* given) : session_(session)
    {
        if (!given) {
            session.ownCancel_.reset();
            given = &session.ownCancel_;
        }
        session.busy_ = true;
        session.activeCancel_ = given;
    }
    ~CancellableWait() { session_.busy_ = false, session_.activeCancel_ = nullptr, session_.entriesBeingChecked_ = 0; }
    CancellableWait(const CancellableWait&) = delete;
    CancellableWait& operator=(const CancellableWait&) = delete;
    WalkCancel& cancel() const { return *session_.activeCancel_; }

private:
    Session& session_;
};

Session::Session(SessionServices services)
    : services_(std::move(services)), messages_(services_.texts), status_(messages_.statusInitial())
{
}

void Session::addListener(SessionListener& listener)
{
    listeners_.push_back(&listener);
}

void Session::removeListener(SessionListener& listener)
{
    std::replace(listeners_.begin(), listeners_.end(), &listener, static_cast<SessionListener*>(nullptr));
    if (!announcing_)
        std::erase(listeners_, nullptr);
}

void Session::announce()
{
    if (announcing_) {
        announceAgain_ = true;
        return;
    }
    announcing_ = true;
    do {
        announceAgain_ = false;
        announceOnce();
    } while (announceAgain_);
    announcing_ = false;
    std::erase(listeners_, nullptr);
}

void Session::announceOnce()
{
    const std::vector<ListChange> changes = list_.takeChanges();
    const Announced before = std::exchange(
        announced_, Announced{startPosition_, storageLocation_, nameForm_, clicked_, singlePath_, statusCount_,
                              summaryCount_, busy_});
    const Announced now = announced_;
    // By index: a listener may add or remove one meanwhile.
    const auto tellEach = [this](const auto& tell) {
        for (std::size_t i = 0; i < listeners_.size(); ++i)
            if (SessionListener* listener = listeners_[i])
                tell(*listener);
    };
    for (const ListChange& change : changes)
        tellEach([&](SessionListener& listener) { listener.listChanged(change); });
    const auto notify = [&](bool changed, void (SessionListener::*heard)()) {
        if (changed)
            tellEach([&](SessionListener& listener) { (listener.*heard)(); });
    };
    notify(now.startPosition != before.startPosition, &SessionListener::startPositionChanged);
    notify(now.storageLocation != before.storageLocation, &SessionListener::storageLocationChanged);
    notify(now.nameForm != before.nameForm, &SessionListener::nameFormChanged);
    notify(now.clicked != before.clicked, &SessionListener::clickedEntryChanged);
    notify(now.singlePath != before.singlePath, &SessionListener::singlePathChanged);
    notify(now.statusCount != before.statusCount, &SessionListener::statusChanged);
    notify(now.busy != before.busy, &SessionListener::busyChanged);
    notify(now.summaryCount != before.summaryCount, &SessionListener::commandSummaryChanged);
}

bool Session::ask(Dialogs& dialogs, const std::string& question)
{
    announce();
    return dialogs.askYesNo(question);
}

void Session::tell(Dialogs& dialogs, const std::string& notice)
{
    announce();
    dialogs.inform(notice);
}

void Session::warn(Dialogs& dialogs, const std::string& failure)
{
    announce();
    dialogs.reportError(failure);
}

void Session::setStatus(std::string text)
{
    status_ = std::move(text);
    ++statusCount_;
}

void Session::summarize(std::string text)
{
    commandSummary_ = std::move(text);
    ++summaryCount_;
}

void Session::summarizeConversion(const std::vector<std::string>& before)
{
    std::size_t changed = 0;
    for (int i = 0; i < list_.count(); ++i)
        changed += static_cast<std::size_t>(i) >= before.size() || before[static_cast<std::size_t>(i)] != list_.entryAt(i);
    summarize(messages_.entriesChanged(changed));
}

std::string Session::join(std::string_view directory, std::string_view name) const
{
    return joinPath(directory, name, services_.style);
}

void Session::setFolder(StoredFolder folder, std::string path)
{
    switch (folder) {
    case StoredFolder::StartDirectory:
        folders_.startDirectory = std::move(path);
        break;
    case StoredFolder::StartDrive:
        folders_.startDrive = std::move(path);
        break;
    case StoredFolder::ListFileDirectory:
        folders_.listFileDirectory = std::move(path);
        break;
    case StoredFolder::ListFileDrive:
        folders_.listFileDrive = std::move(path);
        break;
    }
}

void Session::confirmStartPosition()
{
    const Operation operation(*this);
    startPosition_ = folders_.startDirectory;
    summarize(messages_.startPositionSet(startPosition_));
}

bool Session::chooseStartDirectory(const std::string& given)
{
    const Operation operation(*this);
    const std::string folder = directoryPathForm(given, services_.style);
    if (given.empty() || !services_.lister->dirExists(given) || !services_.lister->dirExists(folder))
        return false;
    folders_.startDirectory = folder;
    confirmStartPosition();
    return true;
}

// --- start-up and shutdown ------------------------------------------------

void Session::applyFolder(const ApplyFolder& apply, StoredFolder folder, const std::string& path)
{
    if (apply)
        apply(folder, path);
    else
        setFolder(folder, path);
}

std::optional<std::string> Session::documentsFolder() const
{
    const auto& documents = services_.documents;
    return documents && services_.lister->dirExists(*documents) ? documents : std::nullopt;
}

std::vector<Session::StoredValue> Session::storedFolders() const
{
    if (!services_.settings)
        return {};
    namespace keys = settings_keys;
    const SettingsDefaults defaults = settingsDefaults(services_.style);
    const auto read = [this](const char* key, const std::string& fallback) {
        return services_.settings->read(key, fallback);
    };
    return {{StoredFolder::StartDirectory, read(keys::kStartDirectory, defaults.directory)},
            {StoredFolder::StartDrive, read(keys::kStartDrive, defaults.drive)},
            {StoredFolder::ListFileDirectory, read(keys::kListFileDirectory, defaults.directory)},
            {StoredFolder::ListFileDrive, read(keys::kListFileDrive, defaults.drive)}};
}

std::vector<bool> Session::existing(const std::vector<std::string>& paths) const
{
    std::vector<bool> exist;
    for (const std::string& path : paths)
        exist.push_back(services_.lister->dirExists(path));
    return exist;
}

std::vector<StoredFolder> Session::applyStoredFolders(const ApplyFolder& apply, const std::vector<bool>& exist)
{
    // Each value is applied only when it still names a directory, and in
    // this order: a panel's change handling may move what came before.
    std::vector<StoredFolder> gone;
    const std::vector<StoredValue> stored = storedFolders();
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const auto& [folder, path] = stored[i];
        if (i < exist.size() && exist[i])
            applyFolder(apply, folder, path);
        else if (folder == StoredFolder::StartDirectory || folder == StoredFolder::ListFileDirectory)
            gone.push_back(folder);
    }
    return gone;
}

std::vector<std::string> Session::startUpChecks() const
{
    std::vector<std::string> paths;
    for (const StoredValue& stored : storedFolders())
        paths.push_back(stored.path);
    if (services_.documents)
        paths.push_back(*services_.documents);
    return paths;
}

void Session::startUp(const ApplyFolder& apply, Dialogs* notices)
{
    const Operation operation(*this);
    completeStartUp(existing(startUpChecks()), apply, notices);
}

std::vector<std::string> Session::beginStartUp()
{
    const Operation operation(*this);
    busy_ = true;
    setStatus(messages_.checkingStoredFolders());
    return startUpChecks();
}

void Session::finishStartUp(const std::vector<bool>& exist, const ApplyFolder& apply, Dialogs* notices)
{
    const Operation operation(*this);
    busy_ = false;
    setStatus(messages_.statusInitial());
    completeStartUp(exist, apply, notices);
}

void Session::completeStartUp(const std::vector<bool>& exist, const ApplyFolder& apply, Dialogs* notices)
{
    if (notices && services_.settings)
        if (const auto file = services_.settings->unusableFile())
            tell(*notices, messages_.settingsNotStored(*file));
    // A panel whose folder is gone opens the Documents folder, not the one
    // the program was started in: on Windows the Start menu starts it in
    // its own folder, which only an administrator may write. Last, as a
    // drive applied after it would move the panel away again.
    const std::vector<StoredFolder> gone = applyStoredFolders(apply, exist);
    const std::size_t documents = storedFolders().size();
    if (services_.documents && documents < exist.size() && exist[documents])
        for (const StoredFolder folder : gone)
            applyFolder(apply, folder, *services_.documents);
    storageLocation_ = join(folders_.listFileDirectory, kListFileName);
    startPosition_ = folders_.startDirectory;
    if (notices)
        offerToRestore(storageLocation_, *notices);
}

void Session::shutDown()
{
    if (!services_.settings)
        return;
    namespace keys = settings_keys;
    SettingsStore& settings = *services_.settings;
    settings.write(keys::kListFile, storageLocation_);
    settings.write(keys::kStartDirectory, folders_.startDirectory);
    settings.write(keys::kStartDrive, folders_.startDrive);
    settings.write(keys::kListFileDirectory, folders_.listFileDirectory);
    settings.write(keys::kListFileDrive, folders_.listFileDrive);
}

std::vector<std::string> Session::storedFolderPaths() const
{
    std::vector<std::string> paths;
    for (const StoredValue& stored : storedFolders())
        paths.push_back(stored.path);
    return paths;
}

void Session::restorePreviousInput(const ApplyFolder& apply, const std::optional<std::vector<bool>>& exist)
{
    if (!services_.settings)
        return;
    const Operation operation(*this);
    storageLocation_ = services_.settings->read(settings_keys::kListFile, settingsDefaults(services_.style).directory);
    applyStoredFolders(apply, exist ? *exist : existing(storedFolderPaths()));
}

// --- generating -----------------------------------------------------------

GenerationReport Session::generate(Dialogs& dialogs, const WalkOptions& options, const WalkRunner& run)
{
    if (busy_)
        return {};
    const Operation operation(*this);
    const bool keep = list_.count() > 0 && !ask(dialogs, messages_.deleteExistingList());
    return generate(keep, dialogs, options, run);
}

GenerationReport Session::generate(bool keepExisting, Dialogs& dialogs, const WalkOptions& options,
                                   const WalkRunner& run)
{
    // A second walk inside the first would take the list from under it.
    if (busy_)
        return {};
    const Operation operation(*this);
    // A walk that ends without a list leaves the list as it was.
    const PathList before = list_;
    std::vector<std::string> retained;
    if (keepExisting)
        retained = list_.entries();
    list_.clear();
    // Idle again also when the walk fails; the operation, ending after
    // this, announces it.
    WalkOptions walkOptions = options;
    const CancellableWait wait(*this, options.cancel);
    walkOptions.cancel = &wait.cancel();
    announce();

    const std::string root = folders_.startDirectory;
    const auto walk = [&] { return walkTree(root, retained, *services_.lister, walkOptions); };
    GeneratedList result = run ? run(walk) : walk();
    if (result.report.outcome != GenerationReport::Outcome::Listed) {
        list_.assign(before.entries());
        for (int i = 0; i < before.count(); ++i)
            if (before.isSelected(i))
                list_.setSelected(i, true);
        list_.setCurrentIndex(before.currentIndex());
        if (result.report.outcome == GenerationReport::Outcome::Cancelled) {
            setStatus(messages_.walkCancelled());
        } else {
            setStatus(messages_.listNotMade());
            warn(dialogs, messages_.startFolderUnreadable(root, result.report));
        }
        return result.report;
    }
    list_.assign(std::move(result.entries));

    setStatus(messages_.total(result.report.total));
    for (const std::string& notice : messages_.walkNotices(result.report))
        tell(dialogs, notice);
    return result.report;
}

void Session::cancelWalk()
{
    if (busy_ && activeCancel_)
        activeCancel_->cancel();
}

void Session::reportWalkProgress(int directoriesFound)
{
    if (!busy_)
        return;
    // Told at once: the walk's own operation is still under way.
    setStatus(messages_.directoriesFound(directoriesFound));
    announce();
}

// --- editing --------------------------------------------------------------

void Session::checkEntry(int index)
{
    list_.setCurrentIndex(index);
    entryClicked_ = true;  // a delete right after the click acts, answered or not
    const unsigned question = ++entryQuestions_;
    entryQuestionOpen_ = true;
    const std::string entry = list_.entryAt(index);
    if (!entryQuestion_) {
        entryAnswered(question, index, entry, services_.lister->existence(entry));
        return;
    }
    entryQuestion_(entry, [this, question, index, entry](Existence existence) {
        entryAnswered(question, index, entry, existence);
    });
}

void Session::showClickedEntryPending()
{
    if (!entryQuestionOpen_)
        return;
    const Operation operation(*this);
    clicked_ = ClickedEntry{list_.currentIndex(), false, false};
    setStatus(messages_.entryBeingChecked());
}

void Session::entryAnswered(unsigned question, int index, const std::string& entry, Existence existence)
{
    // Dropped when another entry was clicked since, or the list changed.
    if (question != entryQuestions_)
        return;
    ++entryQuestions_;
    entryQuestionOpen_ = false;
    if (index >= list_.count() || list_.entryAt(index) != entry || list_.currentIndex() != index)
        return;
    const Operation operation(*this);
    makeCurrent(index, existence);
}

void Session::makeCurrent(int index, Existence existence)
{
    list_.setCurrentIndex(index);
    entryClicked_ = true;
    const bool exists = existence == Existence::Directory;
    clicked_ = ClickedEntry{index, exists, existence != Existence::Unknown};
    setStatus(exists                              ? messages_.entryExists()
              : existence == Existence::Missing ? messages_.entryMissing()
                                                : messages_.entryUnchecked());
}

void Session::clickEntry(int index)
{
    if (index < 0 || index >= list_.count())
        return;
    const Operation operation(*this);
    checkEntry(index);
    // A click replaces the box's text, typed or not: the entry is to be edited.
    singlePath_ = list_.entryAt(index);
    singlePathTyped_ = false;
}

void Session::selectEntries(const std::vector<SelectionRange>& ranges)
{
    const Operation operation(*this);
    for (const SelectionRange& range : ranges)
        for (int i = std::max(range.first, 0); i <= std::min(range.last, list_.count() - 1); ++i)
            list_.setSelected(i, range.selected);
}

int Session::selectBySearchText(std::string_view text)
{
    const Operation operation(*this);
    // A search that finds something makes its first find current, as a
    // click would: a delete right after it removes what was found. What the
    // user typed into the single-path box stays.
    const int first = thisnot(list_, text);
    if (first >= 0) {
        checkEntry(first);
        if (!singlePathTyped_)
            singlePath_ = list_.entryAt(first);
    }
    return first;
}

std::size_t Session::selectMissingEntries(const RunBesideEventLoop& run, const CheckOptions& options)
{
    if (busy_)
        return 0;
    const Operation operation(*this);
    if (list_.count() == 0) {
        setStatus(messages_.noContent());
        return 0;
    }
    // Each entry as written, as a click checks it: a relative one is taken
    // from the working directory, not from the start position.
    const std::vector<std::string> paths = list_.entries();
    std::optional<std::vector<Existence>> found;
    {
        // Idle again also when the check fails; the operation, ending after
        // this, announces it.
        CheckOptions checkOptions = options;
        const CancellableWait wait(*this, options.cancel);
        checkOptions.cancel = &wait.cancel();
        entriesBeingChecked_ = paths.size();
        announce();
        const auto check = [&] { found = existenceOf(paths, *services_.lister, checkOptions); };
        run ? run(check) : check();
    }
    if (!found) {
        setStatus(messages_.checkCancelled());
        return 0;
    }

    // Nothing acts while the session is busy, so the list is the one checked.
    const int checked = std::min(list_.count(), static_cast<int>(found->size()));
    int first = -1;
    std::size_t missing = 0, unchecked = 0;
    for (int i = 0; i < checked; ++i) {
        const Existence existence = (*found)[static_cast<std::size_t>(i)];
        const bool gone = existence == Existence::Missing;
        list_.setSelected(i, gone);
        if (gone && first < 0)
            first = i;
        missing += gone ? 1 : 0;
        unchecked += existence == Existence::Unknown ? 1 : 0;
    }
    if (first >= 0) {
        makeCurrent(first, Existence::Missing);
        if (!singlePathTyped_)
            singlePath_ = list_.entryAt(first);
    }
    setStatus(messages_.missingPaths(missing, unchecked));
    return missing;
}

void Session::reportCheckProgress(std::size_t checked)
{
    if (entriesBeingChecked_ == 0)
        return;
    // Told at once: the check's own operation is still under way.
    setStatus(messages_.pathsChecked(checked, entriesBeingChecked_));
    announce();
}

void Session::deleteSelected()
{
    const Operation operation(*this);
    // Nothing is blanked before an entry was ever clicked.
    if (entryClicked_) {
        setStatus(messages_.deleting());
        blankSelected(list_);
    }
    Leerz(list_);
}

bool Session::appendSinglePath(const std::string& typed, Dialogs& dialogs)
{
    // A line break, pasted in with the path, would make two lines of the
    // list file; no path holds one.
    std::string text = typed;
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    if (text.empty())
        return true;
    const Operation operation(*this);
    if (!list_.append(text)) {
        tell(dialogs, messages_.listFullPathNotAdded());
        return false;
    }
    summarize(messages_.entryAppended(text));
    return true;
}

void Session::typeSinglePath(std::string text)
{
    const Operation operation(*this);
    singlePath_ = std::move(text);
    singlePathTyped_ = true;
}

bool Session::confirmSinglePath(Dialogs& dialogs)
{
    const Operation operation(*this);
    if (!appendSinglePath(singlePath_, dialogs))
        return false;
    singlePathTyped_ = false;
    return true;
}

// --- conversions ----------------------------------------------------------

void Session::convertToNetworkShares()
{
    const Operation operation(*this);
    const std::vector<std::string> before = list_.entries();
    const DriveTable& drives = *services_.drives;
    const PathStyle style = services_.style;
    ConvertToUNC(list_, startPosition_, [&](const std::string& p) { return DriveToUNC(p, drives, style); }, style);
    summarizeConversion(before);
}

void Session::convertToDriveLetters()
{
    const Operation operation(*this);
    const std::vector<std::string> before = list_.entries();
    const DriveTable& drives = *services_.drives;
    const PathStyle style = services_.style;
    ConvertToDir(list_, startPosition_, [&](const std::string& p) { return UNCToDrive(p, drives, style); }, style);
    summarizeConversion(before);
}

void Session::switchNameForm()
{
    const Operation operation(*this);
    convertNames(nameForm_ == NameForm::Long ? NameForm::Short : NameForm::Long);
}

template <typename Answer>
std::optional<Answer> Session::askUnlessCancelled(std::function<Answer()> ask, std::string status)
{
    if (!fileSystemRunner_)
        return ask();
    // Never inside another wait, whose busy state this one would end.
    if (busy_)
        return std::nullopt;
    // Idle again however it ends; the operation, ending after this,
    // announces it.
    const CancellableWait wait(*this, nullptr);
    setStatus(std::move(status));
    announce();
    std::optional<Answer> answer;
    fileSystemRunner_([&] { answer = answerUnlessCancelled<Answer>(std::move(ask), wait.cancel()); });
    return answer;
}

void Session::convertNames(NameForm form)
{
    const Operation operation(*this);
    const std::vector<std::string> before = list_.entries();
    // Every entry asks its file system, a round trip on a share; the copy
    // converted is the asking thread's own, should it be left behind.
    const auto convert = [lister = services_.lister, shortName = services_.shortName, longName = services_.longName,
                          form, list = list_]() mutable {
        StripQuotes(list);
        const DirectoryTest exists = [lister](const std::string& p) { return lister->dirExists(p); };
        if (form == NameForm::Short)
            ConvertToShortNames(list, exists, shortName);
        else
            ConvertToLongNames(list, exists, longName);
        return list;
    };
    const std::optional<PathList> converted = askUnlessCancelled<PathList>(convert, messages_.convertingNames());
    if (!converted) {
        setStatus(messages_.conversionCancelled());
        return;
    }
    nameForm_ = form;
    for (int i = 0; i < list_.count(); ++i)
        if (converted->entryAt(i) != list_.entryAt(i))
            list_.replaceEntry(i, converted->entryAt(i));
    summarizeConversion(before);
}

void Session::toggleQuotes()
{
    const Operation operation(*this);
    const std::vector<std::string> before = list_.entries();
    ToggleQuotes(list_);
    summarizeConversion(before);
}

bool Session::makeRelative(Dialogs& dialogs)
{
    const Operation operation(*this);
    if (!ask(dialogs, messages_.confirmRelative()))
        return false;
    relativeToStartPosition();
    return true;
}

void Session::relativeToStartPosition()
{
    const Operation operation(*this);
    const std::vector<std::string> before = list_.entries();
    Relativ(list_, startPosition_, services_.style);
    summarizeConversion(before);
}

void Session::deleteDoubleEntries()
{
    const Operation operation(*this);
    if (list_.count() == 0) {
        setStatus(messages_.noContent());
        return;
    }
    setStatus(messages_.deletingDoubles());
    DeleteDouble(list_);
}

std::vector<Existence> Session::existenceOfEntries(const std::vector<std::string>& entries, const std::string& base,
                                                  const CheckOptions& options) const
{
    std::vector<std::string> paths;
    paths.reserve(entries.size());
    for (const std::string& entry : entries)
        paths.push_back(!entry.empty() && !isAbsolutePath(entry, services_.style) ? join(base, entry) : entry);
    return existenceOf(paths, *services_.lister, options).value_or(std::vector(paths.size(), Existence::Unknown));
}

std::vector<std::string> Session::removeMissingEntries(const CheckOptions& options)
{
    const Operation operation(*this);
    const std::vector<Existence> found = existenceOfEntries(list_.entries(), startPosition_, options);
    std::vector<std::string> unchecked;
    for (int i = 0; i < list_.count(); ++i) {
        const Existence existence = found[static_cast<std::size_t>(i)];
        list_.setSelected(i, existence == Existence::Missing);
        if (existence == Existence::Unknown)
            unchecked.push_back(list_.entryAt(i));
    }
    blankSelected(list_);
    Leerz(list_);
    return unchecked;
}

std::optional<Session::ListFileCheck> Session::checkListFile(const std::string& listFile, Dialogs& dialogs,
                                                           const CheckOptions& options)
{
    const Operation operation(*this);
    if (!readListFile(listFile, dialogs))
        return std::nullopt;
    const std::size_t cut = listFile.find_last_of(separatorOf(services_.style));
    const std::string folder = cut == std::string::npos ? "." : listFile.substr(0, std::max<std::size_t>(cut, 1));
    const std::vector<std::string>& entries = list_.entries();
    const std::vector<Existence> found = existenceOfEntries(entries, folder, options);
    ListFileCheck check{entries.size(), {}, {}, {}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (found[i] == Existence::Missing)
            check.missing.push_back(entries[i]);
        if (found[i] == Existence::Unknown)
            check.unchecked.push_back(entries[i]);
        if (check.relativeBase.empty() && !entries[i].empty() && !isAbsolutePath(entries[i], services_.style))
            check.relativeBase = folder;
    }
    return check;
}

std::optional<std::vector<std::string>> Session::entriesOfExistingFile(const std::string& listFile) const
{
    struct Silent final : Dialogs {
        bool askYesNo(const std::string&) override { return false; }
        void inform(const std::string&) override {}
        void reportError(const std::string&) override {}
    } silent;
    Session reader(services_);
    if (!services_.files->isFile(listFile) || !reader.readListFile(listFile, silent))
        return std::nullopt;
    return reader.list().entries();
}

void Session::tellChangesAgainst(const std::vector<std::string>& old, Dialogs& dialogs)
{
    const Operation operation(*this);
    const std::set<std::string> before(old.begin(), old.end()), after(list_.entries().begin(), list_.entries().end());
    const auto countMissingFrom = [](const std::set<std::string>& these, const std::set<std::string>& others) {
        return std::ranges::count_if(these, [&](const std::string& e) { return !others.contains(e); });
    };
    tell(dialogs, messages_.changesAgainstOldFile(countMissingFrom(after, before), countMissingFrom(before, after)));
}

void Session::reportDriveUnavailable()
{
    const Operation operation(*this);
    setStatus(messages_.driveUnavailable());
}

void Session::reportFolderUnavailable()
{
    const Operation operation(*this);
    setStatus(messages_.folderUnavailable());
}

// --- list files -----------------------------------------------------------

EncodedList Session::listFileBytes() const
{
    return encode(list_.entries());
}

std::string Session::listFileLines(const std::vector<std::string>& entries) const
{
    return encode(entries).bytes;
}

EncodedList Session::encode(const std::vector<std::string>& entries) const
{
    EncodedList list;
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (const std::string& entry : entries) {
        if (auto bytes = services_.files->toListFileEncoding(entry)) {
            lines.push_back(std::move(*bytes));
        } else if (auto shortForm = shortFormInListFileEncoding(entry)) {
            lines.push_back(std::move(*shortForm));
            list.unheld.asShortNames.push_back(entry);
        } else {
            list.unheld.leftOut.push_back(entry);
        }
    }
    list.bytes = encodeListFile(lines);
    return list;
}

std::optional<std::string> Session::shortFormInListFileEncoding(const std::string& entry) const
{
    const bool quoted = entry.size() >= 2 && entry.front() == '"' && entry.back() == '"';
    const std::string path = quoted ? entry.substr(1, entry.size() - 2) : entry;
    // A path relative to the start position is shortened as a whole and
    // keeps its relative part.
    const bool relative = !path.empty() && !isAbsolutePath(path, services_.style);
    const std::string full = relative ? join(startPosition_, path) : path;
    if (!services_.shortName || !services_.lister->dirExists(full))
        return std::nullopt;
    std::string shortForm = services_.shortName(full);
    if (relative) {
        const std::string shortStart = services_.shortName(startPosition_);
        const std::string base = join(shortStart, "");
        if (shortStart.empty() || !shortForm.starts_with(base))
            return std::nullopt;
        shortForm.erase(0, base.size());
    }
    if (shortForm.empty())
        return std::nullopt;
    return services_.files->toListFileEncoding(quoted ? '"' + shortForm + '"' : shortForm);
}

std::string Session::listFileFor(const std::string& output) const
{
    return services_.lister->dirExists(output) ? join(output, kListFileName) : output;
}

std::optional<UnheldEntries> Session::writeListFile(const std::string& path, Dialogs& dialogs)
{
    // Nothing is saved while a walk makes the list: it would save the
    // emptied list over the user's file.
    if (busy_)
        return std::nullopt;
    const Operation operation(*this);
    // All three may ask a file system that does not answer: the encoding
    // asks for the short names of entries it cannot hold.
    EncodedList list;
    bool fileExisted = false;
    std::optional<FileError> error;
    const auto write = [&] {
        list = listFileBytes();
        fileExisted = services_.files->isFile(path);
        error = services_.files->replace(path, list.bytes);
    };
    if (writeRunner_) {
        busy_ = true;
        setStatus(messages_.savingWaitsForDrive());
        announce();
        writeRunner_(write);
        busy_ = false;
    } else {
        write();
    }
    if (error) {
        setStatus(messages_.fileNotSavedStatus());
        warn(dialogs, messages_.saveFailed(path, *error, fileExisted));
        return std::nullopt;
    }
    return std::move(list.unheld);
}

void Session::tellUnheldEntries(const UnheldEntries& unheld, Dialogs& dialogs)
{
    const Operation operation(*this);
    const unsigned codePage = services_.files->listFileCodePage().value_or(0);
    if (!unheld.asShortNames.empty())
        tell(dialogs, messages_.writtenAsShortNames(unheld.asShortNames, codePage));
    if (!unheld.leftOut.empty())
        warn(dialogs, messages_.leftOutOfListFile(unheld.leftOut, codePage));
}

bool Session::save(Dialogs& dialogs)
{
    if (!storageLocation_.empty())
        return saveTo(storageLocation_, dialogs);
    // No storage location: the program's folder, unless it takes no file
    // from this user (installed for every user) and the user has a
    // Documents folder. The usual notice names the list-file panel's
    // folder, so a second one says where the file went.
    const std::string programFolder = services_.files->executableDirectory();
    const auto documents = documentsFolder();
    if (!documents || services_.files->canCreateFileIn(programFolder))
        return saveTo(join(programFolder, kListFileName), dialogs);
    const Operation operation(*this);
    if (!saveTo(join(*documents, kListFileName), dialogs))
        return false;
    tell(dialogs, messages_.savedInDocuments(programFolder, storageLocation_));
    return true;
}

bool Session::saveInto(const std::string& directory, Dialogs& dialogs)
{
    return saveTo(join(directory, kListFileName), dialogs);
}

bool Session::saveTo(const std::string& location, Dialogs& dialogs)
{
    const Operation operation(*this);
    const auto unheld = writeListFile(location, dialogs);
    if (!unheld)
        return false;
    storageLocation_ = location;
    setStatus(messages_.fileSavedStatus());
    tell(dialogs, messages_.fileSaved(folders_.listFileDirectory));
    tellUnheldEntries(*unheld, dialogs);
    return true;
}

bool Session::offerToSave(Dialogs& dialogs)
{
    const Operation operation(*this);
    if (list_.count() == 0 || !ask(dialogs, messages_.offerToSave(storageLocation_)))
        return true;
    return save(dialogs);
}

bool Session::readListFile(const std::string& path, Dialogs& dialogs)
{
    const Operation operation(*this);
    // All the list can take first, at most as many lines of the longest
    // length as there is room for and one more: a file that cannot be read
    // changes nothing, and one that never ends (a file still growing) or is
    // huge cannot take all memory.
    const auto room = static_cast<std::size_t>(PathList::kMaxEntries - list_.count());
    const std::size_t limit = (room + 1) * (kMaxEntryLength + 2);
    // A share that does not answer holds up the read, not the window, and
    // the read can be cancelled like a walk.
    const std::optional<FileContent> read = askUnlessCancelled<FileContent>(
        [files = services_.files, path, limit] { return files->read(path, limit); }, messages_.readingFile());
    if (!read) {
        setStatus(messages_.readCancelled());
        return false;
    }
    const FileContent& content = *read;
    if (content.error) {
        warn(dialogs, messages_.readFailed(path, *content.error));
        return false;
    }
    storageLocation_ = path;
    if (status_ != messages_.readingFile())
        setStatus(messages_.readingFile());

    // Text from an editor (UTF-16, UTF-8) is taken as such, anything else
    // in the list file's own encoding. Cut short, the last line read may be
    // the start of a longer one: it goes with the rest.
    const std::optional<unsigned> codePage = services_.files->listFileCodePage();
    const ListFileText text = decodeListFileText(content.bytes, codePage.has_value(), content.cutShort);
    std::string_view lines = text.text;
    if (content.cutShort)
        lines = lines.substr(0, lines.find_last_of("\r\n") + 1);
    const DecodedListFile file = decodeListFile(lines, room);
    const bool ownEncoding = text.encoding == TextEncoding::ListFile;
    const int countBefore = list_.count();
    for (const std::string& line : file.entries)
        (void)list_.append(ownEncoding ? services_.files->fromListFileEncoding(line) : line);
    summarize(messages_.entriesRead(static_cast<std::size_t>(list_.count() - countBefore)));
    for (const std::string& notice : messages_.readNotices(file, content.cutShort))
        tell(dialogs, notice);
    if (!ownEncoding)
        tell(dialogs, messages_.readInOtherEncoding(text.encoding, codePage.value_or(0)));
    return true;
}

bool Session::reportInterruptedSave(const std::string& file, Dialogs& dialogs)
{
    const auto interrupted = RecoveryCopy(services_.files->recoveryFiles(), file, services_.style).findInterrupted();
    if (interrupted)
        dialogs.reportError(messages_.howToRestore(interrupted->file, interrupted->copy, services_.style));
    return interrupted.has_value();
}

void Session::offerToRestore(const std::string& file, Dialogs& dialogs)
{
    const Operation operation(*this);
    RecoveryFiles& recovery = services_.files->recoveryFiles();
    const auto interrupted = RecoveryCopy(recovery, file, services_.style).findInterrupted();
    if (!interrupted || !ask(dialogs, messages_.offerToRestore(interrupted->file, interrupted->copy)))
        return;
    const auto error = restoreInterruptedSave(*interrupted, recovery, [this](const std::string& path,
                                                                             std::string_view old) {
        return services_.files->replace(path, old);
    });
    if (error)
        warn(dialogs, messages_.saveFailed(file, *error));
    else
        tell(dialogs, messages_.restored(file));
}

bool Session::readChosenListFile(const std::string& directory, const std::string& name, Dialogs& dialogs)
{
    if (name.empty()) {
        const Operation operation(*this);
        tell(dialogs, messages_.chooseFileFirst());
        return false;
    }
    return readListFile(join(directory, name), dialogs);
}

}  // namespace dirnal
