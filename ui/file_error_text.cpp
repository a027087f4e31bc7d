#include "ui/file_error_text.h"

#include <QCoreApplication>

namespace dirnal::ui {

QString describeFileError(const FileError& error)
{
    const auto tr = [](const char* text) { return QCoreApplication::translate("FileError", text); };
    switch (error.kind) {
    case FileError::Kind::MissingDirectory:
        return tr("Das Verzeichnis existiert nicht.");
    case FileError::Kind::NotFound:
        return tr("Die Datei existiert nicht.");
    case FileError::Kind::AccessDenied:
        return tr("Keine Berechtigung, oder die Datei ist schreibgeschützt.");
    case FileError::Kind::ReadOnlyMedium:
        return tr("Das Laufwerk ist schreibgeschützt.");
    case FileError::Kind::NoSpace:
        return tr("Auf dem Datenträger ist nicht genug Platz.");
    case FileError::Kind::IsDirectory:
        return tr("Der Pfad ist ein Verzeichnis, keine Datei.");
    case FileError::Kind::Other:
        break;
    }
    return tr("Systemfehler: %1").arg(QString::fromStdString(error.systemMessage));
}

}  // namespace dirnal::ui
