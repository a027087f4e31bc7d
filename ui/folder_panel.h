#pragma once

#include <QObject>
#include <QPointer>

#include <string>

#include "core/directory_lister.h"
#include "core/session.h"
#include "ui/drive_selector.h"

class QAbstractButton;
class QWidget;

namespace dirnal::ui {

class DirectoryList;

// What a panel over the path list does: a drive selector above a directory
// list, and a close box. The two follow each other: a drive picked opens
// its current directory, a directory opened selects its drive. Both are
// folders the session stores; every change of either is signalled. Opened,
// it takes the focus; closed, it gives the focus back to the control that
// had it before. Escape closes it, Return presses its default button.
class FolderPanel : public QObject {
    Q_OBJECT
public:
    // The panel's controls, made with the window's.
    struct Controls {
        QWidget* frame;
        DriveSelector* drives;
        DirectoryList* directories;
        QAbstractButton* closeBox;
    };
    // What the lists read and offer.
    struct Sources {
        const DirectoryLister& lister;
        DriveSelector::DriveSource drives;
    };

    const std::string& directory() const;
    std::string drive() const;
    // Opens a directory known to exist (the folder the program runs in); the drive follows.
    void openDirectory(const std::string& path);
    // Opens a stored folder, found a moment ago, when it is one of this
    // panel's; every change handling runs at once.
    void open(StoredFolder folder, const std::string& path);
    // Signals both folders as they are now.
    void reportFolders();
    // Shows the panel over the others, the focus in its directory list.
    void show();
    void hide();

signals:
    void folderChanged(dirnal::StoredFolder folder, const std::string& path);
    // A drive was picked that is not there, or did not answer in time; the
    // selector went back.
    void driveUnavailable();
    // A folder was opened that is not there, or did not answer in time.
    void folderUnavailable();

protected:
    struct Folders {
        StoredFolder directory;
        StoredFolder drive;
    };
    FolderPanel(Controls controls, Folders folders, const Sources& sources, QObject* parent);

    // Shows the panel over the others, the focus in the given control.
    void showFocused(QWidget* control);
    QWidget* directoryList() const;
    // What Return presses while it is shown and enabled.
    void setDefaultButton(QAbstractButton* button) { defaultButton_ = button; }

private:
    void driveChosen();
    // The drive picked last answered, or not (also when it did not in time).
    void driveAnswered(unsigned check, const std::string& drive, bool answers);
    bool pressDefaultButton();

    Controls controls_;
    Folders folders_;
    const DirectoryLister& lister_;
    unsigned driveChecks_ = 0;  // counts the drives picked: only the last one's answer counts
    QAbstractButton* defaultButton_ = nullptr;
    // Where the focus was when the panel opened.
    QPointer<QWidget> opener_;
};

}  // namespace dirnal::ui
