#pragma once

#include <string>

#include "core/directory_lister.h"
#include "core/session.h"
#include "ui/drive_selector.h"
#include "ui/outline_panel.h"

namespace dirnal::ui {

class DirectoryList;

// A panel over the path list: a drive selector above a directory list, and
// a close box. The two follow each other: a drive picked opens its current
// directory, a directory opened selects its drive. Both are folders the
// session stores; every change of either is signalled.
class FolderPanel : public OutlinePanel {
    Q_OBJECT
public:
    struct Folders {
        StoredFolder directory;
        StoredFolder drive;
    };

    const std::string& directory() const;
    std::string drive() const;
    // Opens a directory; the drive follows.
    void openDirectory(const std::string& path);
    // Opens a stored folder when it is one of this panel's; every change
    // handling runs at once.
    void open(StoredFolder folder, const std::string& path);
    // Signals both folders as they are now.
    void reportFolders();

signals:
    void folderChanged(dirnal::StoredFolder folder, const std::string& path);
    // A drive was picked that is not there; the selector went back.
    void driveUnavailable();

protected:
    // Builds the controls the layout table places in the panel `name`.
    FolderPanel(const char* name, Folders folders, const DirectoryLister& lister,
                DriveSelector::DriveSource drives, QWidget* parent);

private:
    void driveChosen();

    Folders folders_;
    const DirectoryLister& lister_;
    DriveSelector* drives_ = nullptr;
    DirectoryList* directories_ = nullptr;
};

}  // namespace dirnal::ui
