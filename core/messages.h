#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/file_error.h"
#include "core/generator.h"
#include "core/list_file.h"
#include "core/list_file_text.h"
#include "core/path_style.h"
#include "core/text_catalog.h"

namespace dirnal {

// Replaces %1, %2, ... in the text by the arguments, in order.
std::string substitute(std::string_view text, std::initializer_list<std::string_view> arguments);

// Every text the program shows the user about its work, worded once for
// all front ends, in German and translated through the catalog if one is
// given. Texts are UTF-8.
class Messages {
public:
    explicit Messages(const TextCatalog* catalog = nullptr) : catalog_(catalog) {}

    // Questions.
    std::string deleteExistingList() const;
    std::string offerToSave(const std::string& storageLocation) const;
    std::string confirmRelative() const;

    // The status line.
    std::string statusInitial() const;
    // While start-up waits for the stored folders to answer.
    std::string checkingStoredFolders() const;
    // While a save waits for the list file's drive.
    std::string savingWaitsForDrive() const;
    std::string entryExists() const;
    std::string entryMissing() const;
    std::string entryBeingChecked() const;
    std::string entryUnchecked() const;
    std::string deleting() const;
    std::string noContent() const;
    std::string deletingDoubles() const;
    std::string fileSavedStatus() const;
    std::string fileNotSavedStatus() const;
    std::string readingFile() const;
    std::string readCancelled() const;
    std::string convertingNames() const;
    std::string conversionCancelled() const;
    std::string driveUnavailable() const;
    std::string folderUnavailable() const;
    // A drive's entry while it has not answered, and once it is late.
    std::string driveBeingChecked(const std::string& drive) const;
    std::string driveNotAnswering(const std::string& drive) const;
    std::string directoriesFound(int count) const;
    // While all entries are checked, and how many name no existing directory.
    std::string pathsChecked(std::size_t checked, std::size_t total) const;
    // `unchecked`: how many the system could not look at, not selected.
    std::string missingPaths(std::size_t count, std::size_t unchecked = 0) const;
    std::string checkCancelled() const;
    // The command-line tool: entries kept or not counted as missing because
    // the system could not look at them within `timeoutSeconds`.
    std::string entriesNotChecked(const std::vector<std::string>& entries, int timeoutSeconds) const;
    // "Total: 17", after a walk.
    std::string total(int count) const;

    // Notices after a walk, in the order they are shown; none when all went well.
    std::vector<std::string> walkNotices(const GenerationReport& report) const;

    // Reading and saving a list file.
    std::string chooseFileFirst() const;
    // Why a file could not be used; `reading`: it was to be read.
    std::string fileErrorReason(const FileError& error, bool reading = false) const;
    std::string readFailed(const std::string& path, const FileError& error) const;
    // `fileExisted`: there was a file at the path before the save.
    std::string saveFailed(const std::string& path, const FileError& error, bool fileExisted = true) const;
    std::string fileSaved(const std::string& directory) const;
    // A save in place that was cut off, with the copy of the old content:
    // the window asks whether to put it back, the command-line tool tells
    // the commands that do it or keep the file as it is.
    std::string offerToRestore(const std::string& file, const std::string& copy) const;
    std::string howToRestore(const std::string& file, const std::string& copy, PathStyle style) const;
    std::string restored(const std::string& file) const;
    // Saved into the Documents folder, as the program's folder took no file.
    std::string savedInDocuments(const std::string& programFolder, const std::string& file) const;
    // What reading left out; `cutShort`: the file went on past what was read.
    std::vector<std::string> readNotices(const DecodedListFile& file, bool cutShort) const;
    // A file found in another encoding than the list file's own, which is
    // the code page `codePage` (0: UTF-8, the names' own bytes).
    std::string readInOtherEncoding(TextEncoding found, unsigned codePage) const;
    // Entries the code page cannot hold, written by their short names or
    // left out; the first few are named.
    std::string writtenAsShortNames(const std::vector<std::string>& entries, unsigned codePage) const;
    std::string leftOutOfListFile(const std::vector<std::string>& entries, unsigned codePage) const;

    // A walk whose start folder could not be listed, with the reason.
    std::string startFolderUnreadable(const std::string& path, const GenerationReport& report) const;
    // The status line after a cancelled walk, and after one that made no list.
    std::string walkCancelled() const;
    std::string listNotMade() const;

    // The command-line tool's start folder and its standard output.
    std::string startFolderMissing(const std::string& path) const;
    std::string standardOutputFailed() const;
    // Against the list file it replaces: entries new and entries gone.
    std::string changesAgainstOldFile(long long added, long long gone) const;
    // A checked list file: how many entries, how many name no directory;
    // `relativeBase`: where relative entries were looked for, if any were.
    std::string checkSummary(const std::string& file, std::size_t checked, std::size_t missing,
                             std::size_t unchecked, const std::string& relativeBase) const;

    // Start-up, when the settings file cannot be used.
    std::string settingsNotStored(const std::string& file) const;

    // What a command did where no status tells it, for a screen reader.
    std::string entriesChanged(std::size_t count) const;
    std::string entryAppended(const std::string& entry) const;
    std::string startPositionSet(const std::string& path) const;
    std::string entriesRead(std::size_t count) const;

    // Single-path entry.
    std::string listFullPathNotAdded() const;

private:
    std::string translate(const char* context, const char* german) const;
    std::string reasonFor(FileError::Kind kind) const;
    std::string encodingName(TextEncoding encoding, unsigned codePage) const;
    std::string firstEntries(const std::vector<std::string>& entries) const;
    std::string interruptedSave(const std::string& file, const std::string& copy) const;

    const TextCatalog* catalog_;
};

}  // namespace dirnal
