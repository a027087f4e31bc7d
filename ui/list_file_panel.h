#pragma once

#include <string>

#include "core/file_storage.h"
#include "ui/folder_panel.h"

namespace dirnal::ui {

class FileList;

// "Dateiauswahl": a folder to read a list file from, with its file list,
// or a folder to save the list into, with "speichern".
class ListFilePanel final : public FolderPanel {
    Q_OBJECT
public:
    enum class Mode { Open, Save };

    ListFilePanel(Controls controls, FileList* files, QAbstractButton* saveHere, const FileStorage& storage,
                  const Sources& sources, QObject* parent);

    // Shows the panel over everything else, for the one use or the other,
    // the focus in the file list to read one, else in the directory list.
    void showFor(Mode mode);
    // The list file chosen in the open directory; empty when none is.
    std::string chosenFileName() const;

signals:
    // "speichern": save into the open directory.
    void saveHereChosen();
    // A click in the file list, on the file or beside it.
    void fileClicked();

private:
    FileList* files_;
    QAbstractButton* saveHere_;
};

}  // namespace dirnal::ui
