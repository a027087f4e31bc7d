// The main window's conversions: network shares and drive letters, short
// and long names, quotes, relative paths, and the Options menu's own
// commands.
#include <QLabel>
#include <QPushButton>

#include "core/delete_double.h"
#include "core/path_conversions.h"
#include "platform/native_path_style.h"
#include "ui/dialogs.h"
#include "ui/directory_list.h"
#include "ui/drive_selector.h"
#include "ui/form1.h"

namespace dirnal::ui {

void Form1::convertShares(ShareForm target)
{
    const DriveTable& drives = *services_.driveTable;
    const PathStyle style = nativePathStyle();
    std::string start = startPosition_;
    if (target == ShareForm::Network)
        ConvertToUNC(list_, start, [&](const std::string& p) { return DriveToUNC(p, drives, style); }, style);
    else
        ConvertToDir(list_, start, [&](const std::string& p) { return UNCToDrive(p, drives, style); }, style);
    setStartPosition(std::move(start));
    showPathList();
}

void Form1::switchShortAndLongNames()
{
    StripQuotes(list_);
    const DirectoryTest exists = [this](const std::string& p) { return services_.lister->dirExists(p); };
    // The caption says what the next click does, and changes first.
    if (cmd_DOS_->text() == QStringLiteral("DOS")) {
        cmd_DOS_->setText(QStringLiteral("WIN"));
        ConvertToShortNames(list_, exists, services_.shortName);
    } else if (cmd_DOS_->text() == QStringLiteral("WIN")) {
        cmd_DOS_->setText(QStringLiteral("DOS"));
        ConvertToLongNames(list_, exists, services_.longName);
    }
    showPathList();
}

void Form1::toggleQuotes()
{
    ToggleQuotes(list_);
    showPathList();
}

void Form1::makeRelative()
{
    const std::string start = startPosition_;
    if (!dialogs_->askYesNo(tr("diese Änderung kann nicht rückgängig gemacht werden ! weiter ?")))
        return;
    Relativ(list_, start, nativePathStyle());
    showPathList();
}

void Form1::restorePreviousInput()
{
    // The stored storage location is taken as it stands; stored folders and
    // drives that are gone are skipped, as at start-up. The start position
    // stays.
    const SettingsDefaults defaults = settingsDefaults(nativePathStyle());
    setStorageLocation(services_.settings->read(settings_keys::kListFile, defaults.directory));
    applyStoredFolders();
}

void Form1::deleteDoubleEntries()
{
    if (list_.count() == 0) {
        lblStatus_->setText(tr("kein Inhalt"));
        return;
    }
    lblStatus_->setText(tr("delete double"));
    DeleteDouble(list_);
    showPathList();
}

}  // namespace dirnal::ui
