#include "ui/start_position_panel.h"

#include <QPushButton>

namespace dirnal::ui {

StartPositionPanel::StartPositionPanel(const DirectoryLister& lister, DriveSelector::DriveSource drives,
                                       QWidget* parent)
    : FolderPanel("frame_start", {StoredFolder::StartDirectory, StoredFolder::StartDrive}, lister,
                  std::move(drives), parent)
{
    connect(findChild<QPushButton*>(QStringLiteral("cmd_okstartpos")), &QPushButton::clicked, this, [this] {
        hide();
        emit startPositionConfirmed();
    });
}

}  // namespace dirnal::ui
