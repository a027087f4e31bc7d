#pragma once

#include "ui/folder_panel.h"

namespace dirnal::ui {

// "Startposition" (frame_start): the folder the list is generated from is
// chosen here and taken over with "ok"; the close box takes nothing over.
class StartPositionPanel final : public FolderPanel {
    Q_OBJECT
public:
    StartPositionPanel(Controls controls, QAbstractButton* ok, const Sources& sources, QObject* parent);

signals:
    // "ok": the open directory is to be the start position.
    void startPositionConfirmed();
};

}  // namespace dirnal::ui
