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

// What assistive technology calls the window's controls that show no text
// of their own, or only a symbol or an English word; a name keeps the word
// shown, so that a user who sees it can say it to voice control.
inline constexpr const char* kNamePathList = "Verzeichnisliste";
inline constexpr const char* kNamePathExists = "Der angewählte Pfad existiert";
inline constexpr const char* kNamePathMissing = "Der angewählte Pfad existiert nicht";
inline constexpr const char* kNameToolArea = "Werkzeuge";
inline constexpr const char* kNameSinglePath = "Einzelner Pfad";
inline constexpr const char* kNameAddPath = "Pfad hinzufügen";
inline constexpr const char* kNameDeleteSelected = "Ausgewählte Pfade löschen";
inline constexpr const char* kNameToShortNames = "DOS: Pfade in kurze 8.3-Namen umwandeln";
inline constexpr const char* kNameToLongNames = "WIN: Pfade in lange Namen umwandeln";
inline constexpr const char* kNameToggleQuotes = "Anführungszeichen setzen oder entfernen";
inline constexpr const char* kNameToNetworkShares = "UNC: Laufwerksbuchstaben in Netzwerkpfade umwandeln";
inline constexpr const char* kNameToDriveLetters = "no UNC: Netzwerkpfade in Laufwerksbuchstaben umwandeln";
inline constexpr const char* kNameShowFindArea = "select: Suche einblenden";
inline constexpr const char* kNameSelectFound = "selection: Pfade auswählen, die den Suchtext enthalten";
inline constexpr const char* kNameExit = "Programm beenden";
inline constexpr const char* kNameConfirmStartPosition = "ok: als Startposition übernehmen";
inline constexpr const char* kNameCloseStartPanel = "Startposition schließen";
inline constexpr const char* kNameCloseListFilePanel = "Dateiauswahl schließen";
inline constexpr const char* kNameStartDrive = "Laufwerk der Startposition";
inline constexpr const char* kNameStartFolders = "Verzeichnisse der Startposition";
inline constexpr const char* kNameListFileDrive = "Laufwerk der dirnal.lst";
inline constexpr const char* kNameListFileFolders = "Verzeichnisse der dirnal.lst";
inline constexpr const char* kNameListFile = "Datei dirnal.lst";
// What the labels whose text is a value show.
inline constexpr const char* kAboutStartPosition = "Startposition";
inline constexpr const char* kAboutStatus = "Statuszeile";
inline constexpr const char* kAboutEntryNumber = "Nummer des angewählten Eintrags";
inline constexpr const char* kAboutListFile = "Speicherort der dirnal.lst";

}  // namespace dirnal::messages
