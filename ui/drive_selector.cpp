#include "ui/drive_selector.h"

#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

#include "platform/drive_of.h"
#include "ui/ask_beside_event_loop.h"

namespace dirnal::ui {

DriveSelector::DriveSelector(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, &DriveSelector::driveChanged);
}

void DriveSelector::setSource(DriveSource source)
{
    source_ = std::move(source);
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

bool DriveSelector::silent(const std::string& drive) const
{
    const auto found = answers_.find(drive);
    return found != answers_.end() && (found->second == Answer::Pending || found->second == Answer::Silent);
}

void DriveSelector::setDrive(const std::string& pathOnDrive)
{
    const std::string target = driveOf(pathOnDrive);
    if (!target.empty())
        setCurrentIndex(rowOf(target));
}

void DriveSelector::setAnsweringDrive(const std::string& pathOnDrive)
{
    const std::string target = driveOf(pathOnDrive);
    if (const auto found = answers_.find(target); found != answers_.end() && found->second != Answer::Offered) {
        found->second = Answer::Offered;
        showDrives();
    }
    setDrive(pathOnDrive);
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
    found_ = source_.drives ? source_.drives() : std::vector<std::string>{};
    if (source_.answers)
        for (const std::string& drive : found_)
            if (!asking_.contains(drive))
                ask(drive);
    showDrives();
}

// A drive offered before stays so while it is asked again, unless it does
// not answer in time.
void DriveSelector::ask(const std::string& drive)
{
    const unsigned asked = ++asked_;
    asking_[drive] = asked;
    answers_.try_emplace(drive, Answer::Pending);
    askBesideEventLoop<bool>(
        *this, [answers = source_.answers, drive] { return answers(drive); },
        [this, drive, asked](bool offered) { answered(drive, asked, offered ? Answer::Offered : Answer::NotOffered); });
    QTimer::singleShot(kFileSystemAnswerTimeout, this, [this, drive, asked] { answered(drive, asked, Answer::Silent); });
}

void DriveSelector::answered(const std::string& drive, unsigned asked, Answer answer)
{
    const auto question = asking_.find(drive);
    if (question == asking_.end() || question->second != asked)
        return;
    // A drive that is silent now may still answer later.
    if (answer != Answer::Silent)
        asking_.erase(question);
    if (std::exchange(answers_[drive], answer) != answer)
        showDrives();
}

void DriveSelector::showDrives()
{
    const std::string selected = drive();
    const QSignalBlocker quiet(this);
    clear();
    drives_.clear();
    for (const std::string& drive : found_) {
        const auto answer = answers_.find(drive);
        const Answer state = source_.answers && answer != answers_.end() ? answer->second : Answer::Offered;
        if (state == Answer::NotOffered)
            continue;
        drives_.push_back(drive);
        addItem(QString::fromStdString(state == Answer::Pending  ? messages_.driveBeingChecked(drive)
                                       : state == Answer::Silent ? messages_.driveNotAnswering(drive)
                                                                 : drive));
    }
    // Keep the selection where the drive is still there; a drive that went
    // away stays listed until the user picks another one.
    if (!selected.empty())
        setCurrentIndex(rowOf(selected));
}

}  // namespace dirnal::ui
