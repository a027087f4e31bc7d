#include "core/messages.h"

#include "core/path_list.h"

namespace dirnal {

std::string substitute(std::string_view text, std::initializer_list<std::string_view> arguments)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto number = static_cast<std::size_t>(text[i + 1] - '1');
            if (number < arguments.size()) {
                result += *(arguments.begin() + number);
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

// Every text is written out as translate("Messages", "..."), which is how
// Qt's lupdate finds it for the translation files.
std::string Messages::translate(const char* context, const char* german) const
{
    return catalog_ ? catalog_->translate(context, german) : std::string(german);
}

std::string Messages::deleteExistingList() const
{
    return translate("Messages", "Wollen Sie die bestehende Liste löschen ?");
}

std::string Messages::offerToSave(const std::string& storageLocation) const
{
    return substitute(translate("Messages", "Wollen Sie die Datei %1 speichern ?"), {storageLocation});
}

std::string Messages::confirmRelative() const
{
    return translate("Messages", "diese Änderung kann nicht rückgängig gemacht werden ! weiter ?");
}

std::string Messages::statusInitial() const
{
    return translate("Messages", "Status");
}

std::string Messages::checkingStoredFolders() const
{
    return translate("Messages", "Gespeicherte Ordner werden geprüft …");
}

std::string Messages::savingWaitsForDrive() const
{
    return translate("Messages", "Speichern … (wartet auf das Laufwerk)");
}

std::string Messages::entryExists() const
{
    return translate("Messages", "ok.");
}

std::string Messages::entryMissing() const
{
    return translate("Messages", "existiert nicht !");
}

std::string Messages::entryBeingChecked() const
{
    return translate("Messages", "prüfen...");
}

std::string Messages::entryUnchecked() const
{
    return translate("Messages", "keine Antwort !");
}

std::string Messages::deleting() const
{
    return translate("Messages", "löschen...");
}

std::string Messages::noContent() const
{
    return translate("Messages", "kein Inhalt");
}

std::string Messages::deletingDoubles() const
{
    return translate("Messages", "delete double");
}

std::string Messages::fileSavedStatus() const
{
    return translate("Messages", "file saved");
}

std::string Messages::fileNotSavedStatus() const
{
    return translate("Messages", "Liste nicht gespeichert");
}

std::string Messages::readingFile() const
{
    return translate("Messages", "Datei lesen...");
}

std::string Messages::readCancelled() const
{
    return translate("Messages", "Lesen abgebrochen");
}

std::string Messages::convertingNames() const
{
    return translate("Messages", "umwandeln...");
}

std::string Messages::conversionCancelled() const
{
    return translate("Messages", "Umwandlung abgebrochen");
}

std::string Messages::driveUnavailable() const
{
    return translate("Messages", "Laufwerk nicht verfügbar !");
}

std::string Messages::folderUnavailable() const
{
    return translate("Messages", "Ordner nicht verfügbar (nicht vorhanden oder keine Antwort) !");
}

std::string Messages::driveBeingChecked(const std::string& drive) const
{
    return substitute(translate("Messages", "%1 (wird geprüft …)"), {drive});
}

std::string Messages::driveNotAnswering(const std::string& drive) const
{
    return substitute(translate("Messages", "%1 (nicht verfügbar)"), {drive});
}

std::string Messages::directoriesFound(int count) const
{
    return substitute(translate("Messages", "%1 Verzeichnisse gefunden..."), {std::to_string(count)});
}

std::string Messages::pathsChecked(std::size_t checked, std::size_t total) const
{
    return substitute(total == 1 ? translate("Messages", "%1 von %2 Pfad geprüft...")
                                 : translate("Messages", "%1 von %2 Pfaden geprüft..."),
                      {std::to_string(checked), std::to_string(total)});
}

std::string Messages::missingPaths(std::size_t count, std::size_t unchecked) const
{
    std::string text;
    if (count == 0)
        text = unchecked == 0 ? translate("Messages", "Alle Pfade existieren")
                              : translate("Messages", "0 Pfade existieren nicht");
    else if (count == 1)
        text = translate("Messages", "1 Pfad existiert nicht");
    else
        text = substitute(translate("Messages", "%1 Pfade existieren nicht"), {std::to_string(count)});
    if (unchecked == 1)
        text += translate("Messages", "; 1 Pfad nicht geprüft (keine Antwort oder kein Zugriff), nicht ausgewählt");
    else if (unchecked > 1)
        text += substitute(translate("Messages",
                                     "; %1 Pfade nicht geprüft (keine Antwort oder kein Zugriff), nicht ausgewählt"),
                           {std::to_string(unchecked)});
    return text;
}

std::string Messages::entriesChanged(std::size_t count) const
{
    if (count == 0)
        return translate("Messages", "Kein Eintrag geändert");
    if (count == 1)
        return translate("Messages", "1 Eintrag geändert");
    return substitute(translate("Messages", "%1 Einträge geändert"), {std::to_string(count)});
}

std::string Messages::entryAppended(const std::string& entry) const
{
    return substitute(translate("Messages", "Angefügt: %1"), {entry});
}

std::string Messages::startPositionSet(const std::string& path) const
{
    return substitute(translate("Messages", "Startposition: %1"), {path});
}

std::string Messages::entriesRead(std::size_t count) const
{
    if (count == 1)
        return translate("Messages", "1 Eintrag gelesen");
    return substitute(translate("Messages", "%1 Einträge gelesen"), {std::to_string(count)});
}

std::string Messages::checkCancelled() const
{
    return translate("Messages", "Prüfung abgebrochen");
}

std::string Messages::entriesNotChecked(const std::vector<std::string>& entries, int timeoutSeconds) const
{
    const std::string seconds = std::to_string(timeoutSeconds);
    return (entries.size() == 1
                ? substitute(translate("Messages", "1 Eintrag konnte nicht geprüft werden (keine Antwort in %1 s oder "
                                                   "kein Zugriff); er zählt nicht als fehlend:"),
                             {seconds})
                : substitute(translate("Messages", "%1 Einträge konnten nicht geprüft werden (keine Antwort in %2 s "
                                                   "oder kein Zugriff); sie zählen nicht als fehlend:"),
                             {std::to_string(entries.size()), seconds})) +
           firstEntries(entries);
}

std::string Messages::total(int count) const
{
    return "Total: " + std::to_string(count);
}

std::vector<std::string> Messages::walkNotices(const GenerationReport& report) const
{
    std::vector<std::string> notices;
    if (report.limitReached)
        notices.push_back(substitute(
            translate("Messages", "Die Liste ist unvollständig: die Höchstzahl von %1 Einträgen wurde erreicht."),
            {std::to_string(PathList::kMaxEntries)}));
    const auto count = [](const std::vector<std::string>& paths) { return std::to_string(paths.size()); };
    if (report.unreadable.size() == 1)
        notices.push_back(translate(
            "Messages", "1 Verzeichnis konnte nicht gelesen werden; seine Unterverzeichnisse fehlen in der Liste.") +
                          firstEntries(report.unreadable));
    else if (report.unreadable.size() > 1)
        notices.push_back(substitute(translate("Messages", "%1 Verzeichnisse konnten nicht gelesen werden; ihre "
                                                           "Unterverzeichnisse fehlen in der Liste."),
                                     {count(report.unreadable)}) +
                          firstEntries(report.unreadable));
    if (!report.timedOut.empty())
        notices.push_back(substitute(
            report.timedOut.size() == 1
                ? translate("Messages", "1 Verzeichnis hat nicht binnen %2 s geantwortet und wurde übergangen; seine "
                                        "Unterverzeichnisse fehlen in der Liste:%3")
                : translate("Messages", "%1 Verzeichnisse haben nicht binnen %2 s geantwortet und wurden übergangen; "
                                        "ihre Unterverzeichnisse fehlen in der Liste:%3"),
            {count(report.timedOut), std::to_string(report.timeoutSeconds), firstEntries(report.timedOut)}));
    if (!report.vanished.empty())
        notices.push_back(substitute(
            report.vanished.size() == 1
                ? translate("Messages", "1 Verzeichnis ist während der Suche verschwunden (gelöscht, umbenannt, oder "
                                        "sein Laufwerk wurde getrennt); es steht in der Liste, seine "
                                        "Unterverzeichnisse fehlen:%2")
                : translate("Messages", "%1 Verzeichnisse sind während der Suche verschwunden (gelöscht, umbenannt, "
                                        "oder ihr Laufwerk wurde getrennt); sie stehen in der Liste, ihre "
                                        "Unterverzeichnisse fehlen:%2"),
            {count(report.vanished), firstEntries(report.vanished)}));
    if (report.withLineBreaks == 1)
        notices.push_back(translate("Messages", "1 Verzeichnis mit einem Zeilenumbruch im Namen kann nicht in die Liste "
                                                "übernommen werden; es fehlt samt seinen Unterverzeichnissen."));
    else if (report.withLineBreaks > 1)
        notices.push_back(substitute(translate("Messages", "%1 Verzeichnisse mit einem Zeilenumbruch im Namen können "
                                                           "nicht in die Liste übernommen werden; sie fehlen samt ihren "
                                                           "Unterverzeichnissen."),
                                     {std::to_string(report.withLineBreaks)}));
    return notices;
}

std::string Messages::chooseFileFirst() const
{
    return translate("Messages", "Zuerst Datei auswählen !");
}

// Each kind of failure in one sentence without its full stop.
std::string Messages::reasonFor(FileError::Kind kind) const
{
    using Kind = FileError::Kind;
    switch (kind) {
    case Kind::MissingDirectory:
        return translate("Messages", "Das Verzeichnis existiert nicht");
    case Kind::NotFound:
        return translate("Messages", "Die Datei existiert nicht");
    case Kind::AccessDenied:
        return translate("Messages", "Keine Berechtigung, oder die Datei ist schreibgeschützt");
    case Kind::FolderNotWritable:
        return translate("Messages", "Keine Berechtigung, in diesem Verzeichnis eine Datei anzulegen");
    case Kind::ReadOnlyMedium:
        return translate("Messages", "Das Laufwerk ist schreibgeschützt");
    case Kind::NoSpace:
        return translate("Messages", "Auf dem Datenträger ist nicht genug Platz");
    case Kind::FileTooLarge:
        return translate("Messages", "Die Datei wäre größer, als das System erlaubt");
    case Kind::IsDirectory:
        return translate("Messages", "Der Pfad ist ein Verzeichnis, keine Datei");
    case Kind::NotRegularFile:
        return translate("Messages",
                         "Der Pfad ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket");
    case Kind::InvalidPath:
        return translate("Messages", "Der Pfad ist leer oder enthält unzulässige Zeichen");
    case Kind::NameTooLong:
        return translate("Messages", "Der Pfad oder ein Name darin ist zu lang");
    case Kind::LinkLoop:
        return translate("Messages", "Der Pfad führt über zu viele symbolische Verknüpfungen oder im Kreis");
    case Kind::InUse:
        return translate("Messages", "Die Datei wird gerade von einem anderen Programm benutzt");
    case Kind::InputOutput:
        return translate("Messages", "Der Datenträger meldet einen Lese- oder Schreibfehler");
    case Kind::NetworkUnavailable:
        return translate("Messages", "Die Netzwerkverbindung ist unterbrochen, oder der Server antwortet nicht");
    case Kind::OutOfResources:
        return translate("Messages", "Dem System fehlt Speicher, oder es sind zu viele Dateien geöffnet");
    case Kind::Other:
        break;
    }
    return translate("Messages", "Unbekannter Systemfehler");
}

std::string Messages::fileErrorReason(const FileError& error, bool reading) const
{
    std::string reason = reading && error.kind == FileError::Kind::AccessDenied
                             ? translate("Messages", "Keine Berechtigung, die Datei zu lesen")
                             : reasonFor(error.kind);
    if (error.systemCode != 0)
        reason += substitute(translate("Messages", " (Fehlercode %1)"), {std::to_string(error.systemCode)});
    return reason + '.';
}

std::string Messages::readFailed(const std::string& path, const FileError& error) const
{
    return substitute(translate("Messages", "Die Datei %1 konnte nicht gelesen werden.\n%2"),
                      {path, fileErrorReason(error, /*reading=*/true)});
}

std::string Messages::saveFailed(const std::string& path, const FileError& error, bool fileExisted) const
{
    std::string oldFile;
    switch (error.oldContent) {
    case FileError::OldContent::Untouched:
        if (error.noRecoveryCopy)
            oldFile = translate("Messages", "Ihr alter Inhalt ließ sich vor dem Schreiben nicht sichern; die alte "
                                            "Datei ist deshalb unverändert.");
        else
            oldFile = fileExisted ? translate("Messages", "Die alte Datei ist unverändert.")
                                  : translate("Messages", "Es wurde keine Datei angelegt.");
        break;
    case FileError::OldContent::WrittenBack:
        oldFile = translate("Messages", "Die Datei wurde beim Schreiben unterbrochen; ihr alter Inhalt wurde Byte "
                                        "für Byte zurückgeschrieben.");
        break;
    case FileError::OldContent::Lost:
        oldFile = translate("Messages", "Die Datei wurde beim Schreiben unterbrochen, und ihr alter Inhalt konnte "
                                        "nicht zurückgeschrieben werden: sie ist jetzt unvollständig. Speichern Sie "
                                        "die Liste bitte an einem anderen Ort.");
        if (!error.recoveryCopy.empty())
            oldFile += ' ' + substitute(translate("Messages", "Ihr alter Inhalt liegt in %1."), {error.recoveryCopy});
        break;
    }
    return substitute(translate("Messages", "Die Datei %1 konnte nicht gespeichert werden.\n%2\n%3"),
                      {path, fileErrorReason(error), oldFile});
}

std::string Messages::interruptedSave(const std::string& file, const std::string& copy) const
{
    return substitute(translate("Messages", "Das Speichern der Datei %1 wurde unterbrochen, bevor sie ganz geschrieben "
                                            "war; sie kann Teile der alten und der neuen Liste enthalten. Ihr alter "
                                            "Inhalt wurde vorher in %2 gesichert."),
                      {file, copy});
}

std::string Messages::offerToRestore(const std::string& file, const std::string& copy) const
{
    return interruptedSave(file, copy) + '\n' +
           translate("Messages", "Soll der alte Inhalt zurückgeschrieben werden? Bei Nein bleiben die Datei und "
                                 "die Sicherung, wie sie sind.");
}

namespace {

// A path as one word of a command for the user's shell.
std::string quotedForShell(const std::string& path, PathStyle style)
{
    if (style == PathStyle::Windows)
        return '"' + path + '"';
    std::string quoted = "'";
    for (const char c : path)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

std::string Messages::howToRestore(const std::string& file, const std::string& copy, PathStyle style) const
{
    const std::string from = quotedForShell(copy, style), to = quotedForShell(file, style);
    const bool windows = style == PathStyle::Windows;
    return interruptedSave(file, copy) + '\n' +
           substitute(translate("Messages", "Den alten Inhalt zurückholen: %1\nDie Datei lassen, wie sie ist: %2"),
                      {(windows ? "copy /Y " : "cp -- ") + from + ' ' + to, (windows ? "del " : "rm -- ") + from});
}

std::string Messages::restored(const std::string& file) const
{
    return substitute(translate("Messages", "Der alte Inhalt der Datei %1 wurde zurückgeschrieben."), {file});
}

std::string Messages::fileSaved(const std::string& directory) const
{
    return substitute(translate("Messages", "Datei dirnal.lst wurde unter %1 gespeichert"), {directory});
}

std::string Messages::savedInDocuments(const std::string& programFolder, const std::string& file) const
{
    return substitute(translate("Messages", "Im Programmordner %1 kann keine Datei angelegt werden. Die Liste wurde "
                                            "deshalb in Ihrem Ordner Dokumente gespeichert:\n%2"),
                      {programFolder, file});
}

std::vector<std::string> Messages::readNotices(const DecodedListFile& file, bool cutShort) const
{
    std::vector<std::string> notices;
    if (file.linesTooLong == 1)
        notices.push_back(substitute(
            translate("Messages", "1 Zeile der Datei ist länger als %1 Zeichen und wurde nicht gelesen."),
            {std::to_string(kMaxEntryLength)}));
    else if (file.linesTooLong > 1)
        notices.push_back(substitute(
            translate("Messages", "%1 Zeilen der Datei sind länger als %2 Zeichen und wurden nicht gelesen."),
            {std::to_string(file.linesTooLong), std::to_string(kMaxEntryLength)}));
    if (file.linesLeftOut == 1)
        notices.push_back(substitute(
            translate("Messages", "Die Liste fasst höchstens %1 Einträge: 1 Zeile der Datei wurde nicht gelesen."),
            {std::to_string(PathList::kMaxEntries)}));
    else if (file.linesLeftOut > 1)
        notices.push_back(substitute(
            translate("Messages", "Die Liste fasst höchstens %1 Einträge: %2 Zeilen der Datei wurden nicht gelesen."),
            {std::to_string(PathList::kMaxEntries), std::to_string(file.linesLeftOut)}));
    if (file.linesWithNul == 1)
        notices.push_back(translate(
            "Messages", "1 Zeile der Datei enthält ein Nullzeichen, das kein Pfad enthält, und wurde nicht gelesen."));
    else if (file.linesWithNul > 1)
        notices.push_back(substitute(translate("Messages", "%1 Zeilen der Datei enthalten ein Nullzeichen, das kein "
                                                           "Pfad enthält, und wurden nicht gelesen."),
                                     {std::to_string(file.linesWithNul)}));
    if (cutShort)
        notices.push_back(substitute(translate("Messages", "Die Datei geht über das hinaus, was die Liste mit höchstens "
                                                           "%1 Einträgen fassen kann; ihr Rest wurde nicht gelesen."),
                                     {std::to_string(PathList::kMaxEntries)}));
    return notices;
}

std::string Messages::encodingName(TextEncoding encoding, unsigned codePage) const
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Utf8WithMark:
        return translate("Messages", "UTF-8 mit Byte-Reihenfolge-Markierung (BOM)");
    case TextEncoding::Utf16LE:
        return "UTF-16 LE";
    case TextEncoding::Utf16BE:
        return "UTF-16 BE";
    case TextEncoding::ListFile:
        break;
    }
    if (codePage == 0)
        return translate("Messages", "UTF-8 ohne Byte-Reihenfolge-Markierung");
    return substitute(translate("Messages", "ANSI-Codepage %1"), {std::to_string(codePage)});
}

std::string Messages::readInOtherEncoding(TextEncoding found, unsigned codePage) const
{
    return substitute(translate("Messages", "Die Datei ist in %1 geschrieben und wurde so gelesen. Gespeichert wird "
                                            "die Liste in der Form der Listendatei: %2."),
                      {encodingName(found, codePage), encodingName(TextEncoding::ListFile, codePage)});
}

std::string Messages::firstEntries(const std::vector<std::string>& entries) const
{
    constexpr std::size_t kNamed = 5;
    std::string names;
    for (std::size_t i = 0; i < entries.size() && i < kNamed; ++i)
        names += '\n' + entries[i];
    if (entries.size() > kNamed)
        names += '\n' + substitute(translate("Messages", "und %1 weitere"), {std::to_string(entries.size() - kNamed)});
    return names;
}

std::string Messages::writtenAsShortNames(const std::vector<std::string>& entries, unsigned codePage) const
{
    const std::string encoding = encodingName(TextEncoding::ListFile, codePage);
    if (entries.size() == 1)
        return substitute(translate("Messages", "Die Listendatei wird in der %1 geschrieben, die nicht jeden Namen "
                                                "fassen kann. 1 Eintrag wurde deshalb mit dem kurzen Namen (8.3) "
                                                "geschrieben; in der Liste bleibt er, wie er ist:%2"),
                          {encoding, firstEntries(entries)});
    return substitute(translate("Messages", "Die Listendatei wird in der %1 geschrieben, die nicht jeden Namen "
                                            "fassen kann. %2 Einträge wurden deshalb mit dem kurzen Namen (8.3) "
                                            "geschrieben; in der Liste bleiben sie, wie sie sind:%3"),
                      {encoding, std::to_string(entries.size()), firstEntries(entries)});
}

std::string Messages::leftOutOfListFile(const std::vector<std::string>& entries, unsigned codePage) const
{
    const std::string encoding = encodingName(TextEncoding::ListFile, codePage);
    if (entries.size() == 1)
        return substitute(translate("Messages", "Die Listendatei wird in der %1 geschrieben, die nicht jeden Namen "
                                                "fassen kann. 1 Eintrag wurde nicht in die Datei geschrieben, da es "
                                                "keinen kurzen Namen (8.3) gibt, den sie fasst; in der Liste bleibt "
                                                "er:%2"),
                          {encoding, firstEntries(entries)});
    return substitute(translate("Messages", "Die Listendatei wird in der %1 geschrieben, die nicht jeden Namen "
                                            "fassen kann. %2 Einträge wurden nicht in die Datei geschrieben, da es "
                                            "keinen kurzen Namen (8.3) gibt, den sie fasst; in der Liste bleiben "
                                            "sie:%3"),
                      {encoding, std::to_string(entries.size()), firstEntries(entries)});
}

std::string Messages::startFolderMissing(const std::string& path) const
{
    return substitute(translate("Messages", "Das Startverzeichnis \"%1\" existiert nicht oder ist kein Verzeichnis."),
                      {path});
}

std::string Messages::startFolderUnreadable(const std::string& path, const GenerationReport& report) const
{
    std::string reason;
    if (report.rootStatus == DirectoryListing::Status::TimedOut)
        reason = substitute(translate("Messages", "Es hat nicht innerhalb von %1 Sekunden geantwortet."),
                            {std::to_string(report.timeoutSeconds)});
    else if (report.rootStatus == DirectoryListing::Status::NotADirectory)
        reason = translate("Messages", "Es existiert nicht mehr, oder es ist kein Verzeichnis.");
    else if (report.rootError && report.rootError->kind == FileError::Kind::AccessDenied)
        reason = translate("Messages", "Keine Berechtigung, es zu lesen") +
                 (report.rootError->systemCode != 0
                      ? substitute(translate("Messages", " (Fehlercode %1)"), {std::to_string(report.rootError->systemCode)})
                      : std::string()) +
                 '.';
    else
        reason = fileErrorReason(report.rootError.value_or(FileError{}));
    return substitute(translate("Messages", "Das Startverzeichnis \"%1\" konnte nicht gelesen werden. %2\nEs wurde "
                                            "keine Liste erstellt; die bisherige Liste bleibt, wie sie war."),
                      {path, reason});
}

std::string Messages::walkCancelled() const
{
    return translate("Messages", "Listenerstellung abgebrochen");
}

std::string Messages::listNotMade() const
{
    return translate("Messages", "Liste nicht erstellt");
}

std::string Messages::standardOutputFailed() const
{
    return translate("Messages", "Die Standardausgabe kann nicht geschrieben werden.");
}

std::string Messages::changesAgainstOldFile(long long added, long long gone) const
{
    return substitute(translate("Messages", "Einträge gegenüber der alten Datei: %1 neu, %2 entfallen."),
                      {std::to_string(added), std::to_string(gone)});
}

std::string Messages::checkSummary(const std::string& file, std::size_t checked, std::size_t missing,
                                   std::size_t unchecked, const std::string& relativeBase) const
{
    std::string summary =
        missing == 0 && unchecked == 0
            ? substitute(translate("Messages", "%1: alle %2 Einträge nennen ein vorhandenes Verzeichnis."),
                         {file, std::to_string(checked)})
            : substitute(translate("Messages", "%1: %2 von %3 Einträgen nennen kein vorhandenes Verzeichnis."),
                         {file, std::to_string(missing), std::to_string(checked)});
    if (unchecked > 0)
        summary += ' ' + (unchecked == 1 ? translate("Messages", "1 konnte nicht geprüft werden.")
                                         : substitute(translate("Messages", "%1 konnten nicht geprüft werden."),
                                                      {std::to_string(unchecked)}));
    if (!relativeBase.empty())
        summary += ' ' + substitute(translate("Messages", "Relative Einträge wurden unter %1 gesucht, dem Ordner der "
                                                          "Datei."),
                                    {relativeBase});
    return summary;
}

std::string Messages::settingsNotStored(const std::string& file) const
{
    return substitute(translate("Messages", "Die Einstellungsdatei %1 ist keine gewöhnliche Datei, die das Programm "
                                            "schreiben kann (ein Gerät, eine Pipe, eine Verknüpfung ins Leere oder "
                                            "schreibgeschützt). Das Programm speichert keine Einstellungen."),
                      {file});
}

std::string Messages::listFullPathNotAdded() const
{
    return substitute(translate("Messages", "Die Liste ist voll (%1 Einträge); der Pfad wurde nicht hinzugefügt."),
                      {std::to_string(PathList::kMaxEntries)});
}

}  // namespace dirnal
