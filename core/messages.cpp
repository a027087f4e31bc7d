#include "core/messages.h"

#include "core/path_list.h"

namespace dirnal::messages {

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

std::string deleteExistingList()
{
    return "Wollen Sie die bestehende Liste löschen ?";
}

std::string offerToSave(const std::string& storageLocation)
{
    return substitute("Wollen Sie die Datei %1 speichern ?", {storageLocation});
}

std::string confirmRelative()
{
    return "diese Änderung kann nicht rückgängig gemacht werden ! weiter ?";
}

std::string directoriesFound(int count)
{
    return substitute("%1 Verzeichnisse gefunden...", {std::to_string(count)});
}

std::vector<std::string> walkNotices(const GenerationReport& report)
{
    std::vector<std::string> notices;
    if (report.limitReached)
        notices.push_back(substitute("Die Liste ist unvollständig: die Höchstzahl von %1 Einträgen wurde erreicht.",
                                     {std::to_string(PathList::kMaxEntries)}));
    if (report.unreadable == 1)
        notices.emplace_back("1 Verzeichnis konnte nicht gelesen werden; seine Unterverzeichnisse fehlen in der Liste.");
    else if (report.unreadable > 1)
        notices.push_back(substitute("%1 Verzeichnisse konnten nicht gelesen werden; ihre Unterverzeichnisse fehlen "
                                     "in der Liste.",
                                     {std::to_string(report.unreadable)}));
    if (report.untakeable > 0)
        notices.push_back(substitute("%1 Verzeichnis(se) mit einem Zeilenumbruch im Namen können nicht in die Liste "
                                     "übernommen werden; sie fehlen samt ihren Unterverzeichnissen.",
                                     {std::to_string(report.untakeable)}));
    return notices;
}

namespace {

// Each kind of failure in one sentence without its full stop.
std::string_view reasonFor(FileError::Kind kind)
{
    using Kind = FileError::Kind;
    switch (kind) {
    case Kind::MissingDirectory:
        return "Das Verzeichnis existiert nicht";
    case Kind::NotFound:
        return "Die Datei existiert nicht";
    case Kind::AccessDenied:
        return "Keine Berechtigung, oder die Datei ist schreibgeschützt";
    case Kind::FolderNotWritable:
        return "Keine Berechtigung, in diesem Verzeichnis eine Datei anzulegen";
    case Kind::ReadOnlyMedium:
        return "Das Laufwerk ist schreibgeschützt";
    case Kind::NoSpace:
        return "Auf dem Datenträger ist nicht genug Platz";
    case Kind::FileTooLarge:
        return "Die Datei wäre größer, als das System erlaubt";
    case Kind::IsDirectory:
        return "Der Pfad ist ein Verzeichnis, keine Datei";
    case Kind::NotRegularFile:
        return "Der Pfad ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket";
    case Kind::InvalidPath:
        return "Der Pfad ist leer oder enthält unzulässige Zeichen";
    case Kind::NameTooLong:
        return "Der Pfad oder ein Name darin ist zu lang";
    case Kind::LinkLoop:
        return "Der Pfad führt über zu viele symbolische Verknüpfungen oder im Kreis";
    case Kind::InUse:
        return "Die Datei wird gerade von einem anderen Programm benutzt";
    case Kind::InputOutput:
        return "Der Datenträger meldet einen Lese- oder Schreibfehler";
    case Kind::NetworkUnavailable:
        return "Die Netzwerkverbindung ist unterbrochen, oder der Server antwortet nicht";
    case Kind::OutOfResources:
        return "Dem System fehlt Speicher, oder es sind zu viele Dateien geöffnet";
    case Kind::Other:
        break;
    }
    return "Unbekannter Systemfehler";
}

}  // namespace

std::string fileErrorReason(const FileError& error)
{
    std::string reason(reasonFor(error.kind));
    if (error.systemCode != 0)
        reason += substitute(" (Fehlercode %1)", {std::to_string(error.systemCode)});
    return reason + '.';
}

std::string readFailed(const std::string& path, const FileError& error)
{
    return substitute("Die Datei %1 konnte nicht gelesen werden.\n%2", {path, fileErrorReason(error)});
}

std::string saveFailed(const std::string& path, const FileError& error)
{
    std::string_view oldFile;
    switch (error.oldContent) {
    case FileError::OldContent::Untouched:
        oldFile = "Die alte Datei ist unverändert.";
        break;
    case FileError::OldContent::WrittenBack:
        oldFile = "Die Datei wurde beim Schreiben unterbrochen; ihr alter Inhalt wurde Byte für Byte "
                  "zurückgeschrieben.";
        break;
    case FileError::OldContent::Lost:
        oldFile = "Die Datei wurde beim Schreiben unterbrochen, und ihr alter Inhalt konnte nicht zurückgeschrieben "
                  "werden: sie ist jetzt unvollständig. Speichern Sie die Liste bitte an einem anderen Ort.";
        break;
    }
    return substitute("Die Datei %1 konnte nicht gespeichert werden.\n%2\n%3", {path, fileErrorReason(error), oldFile});
}

std::string fileSaved(const std::string& directory)
{
    return substitute("Datei dirnal.lst wurde unter %1 gespeichert", {directory});
}

std::vector<std::string> readNotices(const DecodedListFile& file)
{
    std::vector<std::string> notices;
    if (file.linesTooLong > 0)
        notices.push_back(substitute("%1 Zeile(n) der Datei sind länger als %2 Zeichen und wurden nicht gelesen.",
                                     {std::to_string(file.linesTooLong), std::to_string(kMaxEntryLength)}));
    if (file.linesLeftOut > 0)
        notices.push_back(substitute("Die Liste fasst höchstens %1 Einträge: %2 Zeilen der Datei wurden nicht "
                                     "gelesen.",
                                     {std::to_string(PathList::kMaxEntries), std::to_string(file.linesLeftOut)}));
    return notices;
}

std::string startFolderMissing(const std::string& path)
{
    return substitute("Das Startverzeichnis \"%1\" existiert nicht oder ist kein Verzeichnis.", {path});
}

std::string listFullPathNotAdded()
{
    return substitute("Die Liste ist voll (%1 Einträge); der Pfad wurde nicht hinzugefügt.",
                      {std::to_string(PathList::kMaxEntries)});
}

}  // namespace dirnal::messages
