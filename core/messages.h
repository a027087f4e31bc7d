#pragma once

#include <string>
#include <string_view>

#include "core/file_error.h"
#include "core/generator.h"
#include "core/list_file.h"

// Every text the program shows the user about its work, worded once for
// all front ends. Texts are UTF-8.
namespace dirnal::messages {

// Replaces %1, %2, ... in the text by the arguments, in order.
std::string substitute(std::string_view text, std::initializer_list<std::string_view> arguments);

// Questions.
std::string deleteExistingList();
std::string offerToSave(const std::string& storageLocation);
std::string confirmRelative();

// The status line.
inline constexpr const char* kStatusInitial = "Status";
inline constexpr const char* kEntryExists = "ok.";
inline constexpr const char* kEntryMissing = "existiert nicht !";
inline constexpr const char* kDeleting = "löschen...";
inline constexpr const char* kNoContent = "kein Inhalt";
inline constexpr const char* kDeletingDoubles = "delete double";
inline constexpr const char* kFileSaved = "file saved";
inline constexpr const char* kReadingFile = "Datei lesen...";
inline constexpr const char* kDriveUnavailable = "Laufwerk nicht verfügbar !";
std::string directoriesFound(int count);

// Notices after a walk, in the order they are shown; none when all went well.
std::vector<std::string> walkNotices(const GenerationReport& report);

// Reading and saving a list file.
inline constexpr const char* kChooseFileFirst = "Zuerst Datei auswählen !";
std::string fileErrorReason(const FileError& error);
std::string readFailed(const std::string& path, const FileError& error);
std::string saveFailed(const std::string& path, const FileError& error);
std::string fileSaved(const std::string& directory);
std::vector<std::string> readNotices(const DecodedListFile& file);

// The command-line tool's start folder and its standard output.
std::string startFolderMissing(const std::string& path);
inline constexpr const char* kStandardOutputFailed = "Die Standardausgabe kann nicht geschrieben werden.";

// Single-path entry.
std::string listFullPathNotAdded();

}  // namespace dirnal::messages
