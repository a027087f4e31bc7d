#include "ui/start_position_panel.h"

#include <QAbstractButton>

namespace dirnal::ui {

StartPositionPanel::StartPositionPanel(Controls controls, QAbstractButton* ok, const Sources& sources,
                                       QObject* parent)
    : FolderPanel(controls, {StoredFolder::StartDirectory, StoredFolder::StartDrive}, sources, parent)
{
    setDefaultButton(ok);
    connect(ok, &QAbstractButton::clicked, this, [this] {
        hide();
        emit startPositionConfirmed();
    });
}

}  // namespace dirnal::ui
