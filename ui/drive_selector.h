#pragma once

#include <QComboBox>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/messages.h"
#include "ui/qt_text_catalog.h"

namespace dirnal::ui {

// The drives a user can pick, from the source it is given. Its value is the
// selected drive; every change is signalled, also when the program sets it,
// but setting the drive it already shows changes nothing and signals
// nothing. Whether a drive answers is asked beside the event loop: until it
// has, its entry says so ("/mnt/x (wird geprüft …)"), and one that has not
// answered in time says it is not available; one that answers no is not
// listed.
class DriveSelector final : public QComboBox {
    Q_OBJECT
public:
    struct DriveSource {
        // The drives, read without asking any of them.
        std::function<std::vector<std::string>()> drives;
        // Whether a drive answers and is to be offered; it may wait for
        // ever. Empty: each drive is offered as it is.
        std::function<bool(const std::string& drive)> answers;
    };

    explicit DriveSelector(QWidget* parent = nullptr);

    // Where the drives come from; asked again each time the list opens.
    void setSource(DriveSource source);

    std::string drive() const;
    // Selects the drive that holds the given path (a drive itself, or any
    // path on it); one not offered (a UNC share) is listed while it is shown.
    void setDrive(const std::string& pathOnDrive);
    // The same for a path found a moment ago: its drive answers.
    void setAnsweringDrive(const std::string& pathOnDrive);
    // The drive that holds a path: its drive root or share on Windows, the
    // longest mount point among the drives offered now on POSIX.
    std::string driveOf(const std::string& path) const;
    // The drive has not answered (yet): nothing is to ask it on this thread.
    bool silent(const std::string& drive) const;

signals:
    void driveChanged();

protected:
    void showPopup() override;

private:
    enum class Answer { Pending, Offered, NotOffered, Silent };

    void refresh();
    void ask(const std::string& drive);
    void answered(const std::string& drive, unsigned asked, Answer answer);
    void showDrives();
    // The row of a drive, listed at the end when it is not offered now.
    int rowOf(const std::string& drive);

    QtTextCatalog texts_;
    Messages messages_{&texts_};
    DriveSource source_;
    std::vector<std::string> found_;  // as the source gave them, offered or not
    std::vector<std::string> drives_;  // the rows
    std::map<std::string, Answer> answers_;
    std::map<std::string, unsigned> asking_;  // the questions under way, each by its number
    unsigned asked_ = 0;
};

}  // namespace dirnal::ui
