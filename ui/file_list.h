#pragma once

#include <QListWidget>

#include <string>

#include "core/file_storage.h"
#include "ui/focus_true_view.h"

namespace dirnal::ui {

// The list file of one directory, dirnal.lst, when it is there: a list of
// at most one file.
class FileList final : public FocusTrueView<QListWidget> {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    // Where it looks for the file; set before a directory is shown.
    void setStorage(const FileStorage& files) { files_ = &files; }
    // Shows the directory's list file once the directory has said it has one.
    void setDirectory(const std::string& directory);
    // The selected file's name; empty when none is selected.
    std::string selectedFileName() const;

signals:
    // A click in the list, on a file or beside it; Enter on a file.
    void fileClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void initViewItemOption(QStyleOptionViewItem* option) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    const FileStorage* files_ = nullptr;
    unsigned shownDirectory_ = 0;  // an answer for a directory shown before is dropped
};

}  // namespace dirnal::ui
