#pragma once

#include <QComboBox>

#include <functional>
#include <string>
#include <vector>

namespace dirnal::ui {

// The drives a user can pick, from the source it is given. Its value is the
// selected drive; every change is signalled, also when the program sets it,
// but setting the drive it already shows changes nothing and signals
// nothing.
class DriveSelector final : public QComboBox {
    Q_OBJECT
public:
    using DriveSource = std::function<std::vector<std::string>()>;

    explicit DriveSelector(QWidget* parent = nullptr);

    // Where the drives come from; asked again each time the list opens.
    void setSource(DriveSource drives);

    std::string drive() const;
    // Selects the drive that holds the given path (a drive itself, or any
    // path on it); one not offered (a UNC share) is listed while it is shown.
    void setDrive(const std::string& pathOnDrive);
    // The drive that holds a path: its drive root or share on Windows, the
    // longest mount point among the drives offered now on POSIX.
    std::string driveOf(const std::string& path) const;

signals:
    void driveChanged();

protected:
    void showPopup() override;

private:
    void refresh();
    // The row of a drive, listed at the end when it is not offered now.
    int rowOf(const std::string& drive);

    DriveSource source_;
    std::vector<std::string> drives_;
};

}  // namespace dirnal::ui
