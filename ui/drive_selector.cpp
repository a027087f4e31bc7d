#include "ui/drive_selector.h"

#include <QSignalBlocker>

#include <algorithm>

#include "platform/drive_of.h"

namespace dirnal::ui {

DriveSelector::DriveSelector(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, &DriveSelector::driveChanged);
}

void DriveSelector::setSource(DriveSource drives)
{
    source_ = std::move(drives);
    refresh();
}

std::string DriveSelector::drive() const
{
    const int index = currentIndex();
    return index < 0 ? std::string() : drives_[static_cast<std::size_t>(index)];
}

std::string DriveSelector::driveOf(const std::string& path) const
{
    return driveOfPath(path, drives_);
}

void DriveSelector::setDrive(const std::string& pathOnDrive)
{
    const std::string target = driveOf(pathOnDrive);
    if (!target.empty())
        setCurrentIndex(rowOf(target));
}

int DriveSelector::rowOf(const std::string& drive)
{
    auto found = std::find(drives_.begin(), drives_.end(), drive);
    if (found == drives_.end()) {
        const QSignalBlocker quiet(this);
        drives_.push_back(drive);
        addItem(QString::fromStdString(drive));
        found = drives_.end() - 1;
    }
    return static_cast<int>(found - drives_.begin());
}

void DriveSelector::showPopup()
{
    refresh();
    QComboBox::showPopup();
}

void DriveSelector::refresh()
{
    const std::string selected = drive();
    drives_ = source_ ? source_() : std::vector<std::string>{};
    const QSignalBlocker quiet(this);
    clear();
    for (const std::string& drive : drives_)
        addItem(QString::fromStdString(drive));
    // Keep the selection where the drive is still there; a drive that went
    // away stays listed until the user picks another one.
    if (!selected.empty())
        setCurrentIndex(rowOf(selected));
}

}  // namespace dirnal::ui
