#include "core/session.h"

#include "core/delete_double.h"
#include "core/list_editing.h"
#include "core/list_file.h"
#include "core/messages.h"
#include "core/network_shares.h"

namespace dirnal {

Session::Session(SessionServices services)
    : services_(std::move(services)), messages_(services_.texts), status_(messages_.statusInitial())
{
}

void Session::setStatus(std::string text)
{
    status_ = std::move(text);
    if (statusListener_)
        statusListener_(status_);
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

bool Session::chooseStartDirectory(const std::string& given)
{
    const std::string folder = directoryPathForm(given, services_.style);
    if (given.empty() || !services_.lister->dirExists(given) || !services_.lister->dirExists(folder))
        return false;
    folders_.startDirectory = folder;
    confirmStartPosition();
    return true;
}

// --- start-up and shutdown ------------------------------------------------

void Session::applyStoredFolders(const ApplyFolder& apply)
{
    // Each value is applied only when it still names a directory, and in
    // this order: a panel's change handling may move what came before.
    if (!services_.settings)
        return;
    namespace keys = settings_keys;
    const SettingsDefaults defaults = settingsDefaults(services_.style);
    const struct {
        StoredFolder folder;
        const char* key;
        const std::string& fallback;
    } stored[] = {
        {StoredFolder::StartDirectory, keys::kStartDirectory, defaults.directory},
        {StoredFolder::StartDrive, keys::kStartDrive, defaults.drive},
        {StoredFolder::ListFileDirectory, keys::kListFileDirectory, defaults.directory},
        {StoredFolder::ListFileDrive, keys::kListFileDrive, defaults.drive},
    };
    for (const auto& [folder, key, fallback] : stored) {
        const std::string value = services_.settings->read(key, fallback);
        if (!services_.lister->dirExists(value))
            continue;
        if (apply)
            apply(folder, value);
        else
            setFolder(folder, value);
    }
}

void Session::startUp(const ApplyFolder& apply, Dialogs* notices)
{
    if (notices && services_.settings)
        if (const auto file = services_.settings->unusableFile())
            notices->inform(messages_.settingsNotStored(*file));
    applyStoredFolders(apply);
    storageLocation_ = join(folders_.listFileDirectory, kListFileName);
    startPosition_ = folders_.startDirectory;
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

void Session::restorePreviousInput(const ApplyFolder& apply)
{
    if (!services_.settings)
        return;
    storageLocation_ = services_.settings->read(settings_keys::kListFile, settingsDefaults(services_.style).directory);
    applyStoredFolders(apply);
}

// --- generating -----------------------------------------------------------

GenerationReport Session::generate(Dialogs& dialogs, const WalkOptions& options, const WalkRunner& run)
{
    const bool keep = list_.count() > 0 && !dialogs.askYesNo(messages_.deleteExistingList());
    return generate(keep, dialogs, options, run);
}

GenerationReport Session::generate(bool keepExisting, Dialogs& dialogs, const WalkOptions& options,
                                   const WalkRunner& run)
{
    std::vector<std::string> retained;
    if (keepExisting)
        retained = list_.entries();
    list_.clear();

    const std::string root = folders_.startDirectory;
    const auto walk = [&] { return walkTree(root, retained, *services_.lister, options); };
    GeneratedList result = run ? run(walk) : walk();
    list_.assign(std::move(result.entries));

    setStatus(totalStatusText(result.report.total));
    for (const std::string& notice : messages_.walkNotices(result.report))
        dialogs.inform(notice);
    return result.report;
}

// --- editing --------------------------------------------------------------

void Session::checkEntry(int index)
{
    list_.setCurrentIndex(index);
    const bool exists = services_.lister->dirExists(list_.entryAt(index));
    clicked_ = ClickedEntry{index, exists};
    setStatus(exists ? messages_.entryExists() : messages_.entryMissing());
}

void Session::clickEntry(int index)
{
    if (index < 0 || index >= list_.count())
        return;
    checkEntry(index);
    // A click replaces the box's text, typed or not: the entry is to be edited.
    singlePath_ = list_.entryAt(index);
    singlePathTyped_ = false;
}

int Session::selectBySearchText(std::string_view text)
{
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

void Session::deleteSelected()
{
    // Nothing is blanked before an entry was ever clicked.
    if (clicked_) {
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
    if (!list_.append(text)) {
        dialogs.inform(messages_.listFullPathNotAdded());
        return false;
    }
    return true;
}

void Session::typeSinglePath(std::string text)
{
    singlePath_ = std::move(text);
    singlePathTyped_ = true;
}

bool Session::confirmSinglePath(Dialogs& dialogs)
{
    if (!appendSinglePath(singlePath_, dialogs))
        return false;
    singlePathTyped_ = false;
    return true;
}

// --- conversions ----------------------------------------------------------

void Session::convertToNetworkShares()
{
    const DriveTable& drives = *services_.drives;
    const PathStyle style = services_.style;
    ConvertToUNC(list_, startPosition_, [&](const std::string& p) { return DriveToUNC(p, drives, style); }, style);
}

void Session::convertToDriveLetters()
{
    const DriveTable& drives = *services_.drives;
    const PathStyle style = services_.style;
    ConvertToDir(list_, startPosition_, [&](const std::string& p) { return UNCToDrive(p, drives, style); }, style);
}

void Session::switchNameForm()
{
    convertNames(nameForm_ == NameForm::Long ? NameForm::Short : NameForm::Long);
}

void Session::convertNames(NameForm form)
{
    StripQuotes(list_);
    const DirectoryTest exists = [this](const std::string& p) { return services_.lister->dirExists(p); };
    nameForm_ = form;
    if (form == NameForm::Short)
        ConvertToShortNames(list_, exists, services_.shortName);
    else
        ConvertToLongNames(list_, exists, services_.longName);
}

void Session::toggleQuotes()
{
    ToggleQuotes(list_);
}

bool Session::makeRelative(Dialogs& dialogs)
{
    if (!dialogs.askYesNo(messages_.confirmRelative()))
        return false;
    relativeToStartPosition();
    return true;
}

void Session::relativeToStartPosition()
{
    Relativ(list_, startPosition_, services_.style);
}

void Session::deleteDoubleEntries()
{
    if (list_.count() == 0) {
        setStatus(messages_.noContent());
        return;
    }
    setStatus(messages_.deletingDoubles());
    DeleteDouble(list_);
}

void Session::reportDriveUnavailable()
{
    setStatus(messages_.driveUnavailable());
}

// --- list files -----------------------------------------------------------

std::string Session::listFileBytes() const
{
    std::vector<std::string> lines;
    lines.reserve(list_.entries().size());
    for (const std::string& entry : list_.entries())
        lines.push_back(services_.files->toListFileEncoding(entry));
    return encodeListFile(lines);
}

std::string Session::listFileFor(const std::string& output) const
{
    return services_.lister->dirExists(output) ? join(output, kListFileName) : output;
}

bool Session::writeListFile(const std::string& path, Dialogs& dialogs)
{
    if (const auto error = services_.files->replace(path, listFileBytes())) {
        dialogs.reportError(messages_.saveFailed(path, *error));
        return false;
    }
    return true;
}

bool Session::save(Dialogs& dialogs)
{
    const std::string location =
        storageLocation_.empty() ? join(services_.files->executableDirectory(), kListFileName) : storageLocation_;
    if (!writeListFile(location, dialogs))
        return false;
    storageLocation_ = location;
    setStatus(messages_.fileSavedStatus());
    dialogs.inform(messages_.fileSaved(folders_.listFileDirectory));
    return true;
}

bool Session::saveInto(const std::string& directory, Dialogs& dialogs)
{
    const std::string previous = storageLocation_;
    storageLocation_ = join(directory, kListFileName);
    if (save(dialogs))
        return true;
    storageLocation_ = previous;
    return false;
}

bool Session::offerToSave(Dialogs& dialogs)
{
    if (list_.count() == 0 || !dialogs.askYesNo(messages_.offerToSave(storageLocation_)))
        return true;
    return save(dialogs);
}

bool Session::readListFile(const std::string& path, Dialogs& dialogs)
{
    // All the list can take first, at most as many lines of the longest
    // length as there is room for and one more: a file that cannot be read
    // changes nothing, and one that never ends (a file still growing) or is
    // huge cannot take all memory.
    const auto room = static_cast<std::size_t>(PathList::kMaxEntries - list_.count());
    const FileContent content = services_.files->read(path, (room + 1) * (kMaxEntryLength + 2));
    if (content.error) {
        dialogs.reportError(messages_.readFailed(path, *content.error));
        return false;
    }
    storageLocation_ = path;
    setStatus(messages_.readingFile());

    // Cut short, the last line read may be the start of a longer one: it
    // goes with the rest.
    std::string_view bytes = content.bytes;
    if (content.cutShort)
        bytes = bytes.substr(0, bytes.find_last_of("\r\n") + 1);
    const DecodedListFile file = decodeListFile(bytes, room);
    for (const std::string& line : file.entries)
        (void)list_.append(services_.files->fromListFileEncoding(line));
    for (const std::string& notice : messages_.readNotices(file, content.cutShort))
        dialogs.inform(notice);
    return true;
}

bool Session::readChosenListFile(const std::string& directory, const std::string& name, Dialogs& dialogs)
{
    if (name.empty()) {
        dialogs.inform(messages_.chooseFileFirst());
        return false;
    }
    return readListFile(join(directory, name), dialogs);
}

}  // namespace dirnal
