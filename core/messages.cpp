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

std::string fileErrorReason(const FileError& error)
{
    switch (error.kind) {
    case FileError::Kind::MissingDirectory:
        return "Das Verzeichnis existiert nicht.";
    case FileError::Kind::NotFound:
        return "Die Datei existiert nicht.";
    case FileError::Kind::AccessDenied:
        return "Keine Berechtigung, oder die Datei ist schreibgeschützt.";
    case FileError::Kind::ReadOnlyMedium:
        return "Das Laufwerk ist schreibgeschützt.";
    case FileError::Kind::NoSpace:
        return "Auf dem Datenträger ist nicht genug Platz.";
    case FileError::Kind::IsDirectory:
        return "Der Pfad ist ein Verzeichnis, keine Datei.";
    case FileError::Kind::Other:
        break;
    }
    return substitute("Systemfehler: %1", {error.systemMessage});
}

std::string readFailed(const std::string& path, const FileError& error)
{
    return substitute("Die Datei %1 konnte nicht gelesen werden.\n%2", {path, fileErrorReason(error)});
}

std::string saveFailed(const std::string& path, const FileError& error)
{
    return substitute("Die Datei %1 konnte nicht gespeichert werden.\n%2\nDie Liste ist unverändert und wurde "
                      "nicht gespeichert.",
                      {path, fileErrorReason(error)});
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
