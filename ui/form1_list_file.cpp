// The main window's list file commands: saving, the save offer at close,
// leaving, the list-file panel and the reader.
#include <QLabel>
#include <QPushButton>

#include "core/list_file.h"
#include "core/path_style.h"
#include "platform/file_io.h"
#include "platform/list_file_encoding.h"
#include "platform/native_path_style.h"
#include "ui/dialogs.h"
#include "ui/directory_list.h"
#include "ui/file_error_text.h"
#include "ui/file_list.h"
#include "ui/form1.h"
#include "ui/path_list_view.h"

namespace dirnal::ui {

namespace {
QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}
}  // namespace

bool Form1::Speichern()
{
    std::string location = storageLocation_;
    if (location.empty())
        location = executableDirectory() + separatorOf(nativePathStyle()) + std::string(kListFileName);

    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list_.count()));
    for (const std::string& entry : list_.entries())
        lines.push_back(toListFileEncoding(entry));

    if (const auto error = replaceFileContent(location, encodeListFile(lines))) {
        dialogs_->reportError(tr("Die Datei %1 konnte nicht gespeichert werden.\n%2\nDie Liste ist unverändert "
                                 "und wurde nicht gespeichert.")
                                  .arg(qs(location), describeFileError(*error)));
        return false;
    }
    setStorageLocation(location);
    lblStatus_->setText(tr("file saved"));
    dialogs_->inform(tr("Datei dirnal.lst wurde unter %1 gespeichert").arg(qs(Dir_file_->path())));
    return true;
}

bool Form1::offerToSave()
{
    if (list_.count() == 0)
        return true;
    if (!dialogs_->askYesNo(tr("Wollen Sie die Datei %1 speichern ?").arg(qs(storageLocation_))))
        return true;
    return Speichern();
}

void Form1::leaveApplication()
{
    if (Form2_)
        Form2_->close();
    close();
}

void Form1::dateis(int index)
{
    switch (index) {
    case 0:  // "Öffnen"
        showListFilePanel(FilePanelMode::Open);
        break;
    case 1:  // "speichern"
        Speichern();
        break;
    case 2:  // "speichern unter..."
        showListFilePanel(FilePanelMode::Save);
        break;
    case 3:  // "EXIT"
        leaveApplication();
        break;
    default:
        break;
    }
}

void Form1::showListFilePanel(FilePanelMode mode)
{
    const bool open = mode == FilePanelMode::Open;
    // Files may have come or gone since the directory was opened.
    File_file_->setDirectory(Dir_file_->path());
    Dateiauswahl_->show();
    Dateiauswahl_->raise();
    File_file_->setVisible(open);
    File_file_->setEnabled(true);
    cmd_hier_->setVisible(!open);
}

void Form1::saveIntoChosenDirectory()
{
    const std::string previous = storageLocation_;
    setStorageLocation(joinPath(Dir_file_->path(), kListFileName, nativePathStyle()));
    Dateiauswahl_->hide();
    if (!Speichern()) {
        // The folder did not take the file: keep the old storage location,
        // and the panel for another choice.
        setStorageLocation(previous);
        Dateiauswahl_->show();
    }
}

void Form1::readChosenListFile()
{
    const std::string name = File_file_->selectedFileName();
    if (name.empty()) {
        dialogs_->inform(tr("Zuerst Datei auswählen !"));
        Dateiauswahl_->hide();
        return;
    }
    const std::string path = joinPath(Dir_file_->path(), name, nativePathStyle());

    // Read the whole file first: a file that cannot be read changes nothing.
    const FileContent content = readFileContent(path);
    if (content.error) {
        dialogs_->reportError(tr("Die Datei %1 konnte nicht gelesen werden.\n%2")
                                  .arg(qs(path), describeFileError(*content.error)));
        Dateiauswahl_->hide();
        return;
    }
    setStorageLocation(path);
    lblStatus_->setText(tr("Datei lesen..."));

    const auto room = static_cast<std::size_t>(PathList::kMaxEntries - list_.count());
    const DecodedListFile file = decodeListFile(content.bytes, room);
    for (const std::string& line : file.entries)
        (void)list_.append(fromListFileEncoding(line));
    showPathList();
    Dateiauswahl_->hide();

    if (file.linesTooLong > 0)
        dialogs_->inform(tr("%1 Zeile(n) der Datei sind länger als %2 Zeichen und wurden nicht gelesen.")
                             .arg(file.linesTooLong)
                             .arg(kMaxEntryLength));
    if (file.linesLeftOut > 0)
        dialogs_->inform(tr("Die Liste fasst höchstens %1 Einträge: %2 Zeilen der Datei wurden nicht gelesen.")
                             .arg(PathList::kMaxEntries)
                             .arg(file.linesLeftOut));
}

}  // namespace dirnal::ui
