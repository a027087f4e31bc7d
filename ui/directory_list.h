#pragma once

#include <QListView>

#include <functional>
#include <map>
#include <string>

#include "core/directory_lister.h"
#include "ui/focus_true_view.h"

namespace dirnal::ui {

class FolderListModel;

// A directory list as file dialogs of old had it: the chain of folders from
// the root down to the open folder, then the open folder's subdirectories
// (in the walk's order). Double-click or Enter opens a folder; Enter on the
// open folder is left to the panel, for its default button. Its path is the
// open folder, not the highlighted one; every change of the path is
// signalled, also when the program sets it. The subdirectories are read
// beside the event loop, so that a folder of 200,000 of them, or one on a
// slow share, never holds the window up; they are shown when read.
class DirectoryList final : public FocusTrueView<QListView> {
    Q_OBJECT
public:
    using DriveOf = std::function<std::string(const std::string& path)>;

    explicit DirectoryList(QWidget* parent = nullptr);

    // What it reads folders with, and how it finds a folder's drive; set
    // before a path is opened.
    void setLister(const DirectoryLister& lister, DriveOf driveOf);

    const std::string& path() const { return path_; }

    // Opens a directory already known to exist.
    void openDirectory(const std::string& path);
    // Opens the directory once it has said that it is one, asked beside the
    // event loop; tells `opened` (if given) whether it did. A directory that
    // is none, or gives no answer in time, changes nothing; without `opened`
    // it is signalled as unavailable. Meanwhile the list shows that it
    // waits; a later request replaces one that has not answered yet.
    void setPath(const std::string& path, std::function<void(bool opened)> opened = {});

    // Opens a drive at its current directory: the open folder when it lies
    // on that drive already, else the folder last open on it, else its root.
    void openDrive(const std::string& drive);

signals:
    void pathChanged();
    void pathUnavailable();
    // The open folder's subdirectories are shown.
    void subdirectoriesShown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void initViewItemOption(QStyleOptionViewItem* option) const override;

private:
    void showPath();
    void pathAnswered(unsigned request, const std::string& path, bool exists);

    const DirectoryLister* lister_ = nullptr;
    DriveOf driveOf_;
    std::string path_;
    std::map<std::string, std::string> lastPathOnDrive_;
    FolderListModel* model_;
    unsigned shownPath_ = 0;  // counts the paths shown: a listing for an earlier one is dropped
    unsigned pathRequests_ = 0;  // likewise for the checks of the paths asked for
    std::function<void(bool)> opened_;
};

}  // namespace dirnal::ui
