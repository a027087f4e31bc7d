#pragma once

#include <QListWidget>

#include <string>

namespace dirnal::ui {

// The files of one directory whose name matches a fixed name: at most one.
class FileList final : public QListWidget {
    Q_OBJECT
public:
    FileList(std::string pattern, QWidget* parent = nullptr);

    void setDirectory(const std::string& directory);
    const std::string& directory() const { return directory_; }
    // The selected file's name; empty when none is selected.
    std::string selectedFileName() const;

signals:
    // A click in the list, on a file or beside it; Enter on a file.
    void fileClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::string pattern_;
    std::string directory_;
};

}  // namespace dirnal::ui
