// The main window's work on the list: generating, clicks, search, delete,
// single paths and the conversions, each handed to the session.
#include <QLabel>
#include <QLineEdit>

#include <atomic>
#include <utility>

#include "core/messages.h"
#include "ui/fitting_label.h"
#include "ui/form1.h"
#include "ui/form1_layout.h"
#include "ui/path_list_view.h"
#include "ui/walk_beside_event_loop.h"

namespace dirnal::ui {

namespace {
QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}
}  // namespace

void Form1::generate()
{
    std::atomic<int> found{0};
    WalkOptions options;
    options.progress = [&found](int count) { found = count; };
    session_->generate(*dialogs_, options, [&](const std::function<GeneratedList()>& walk) {
        // The old entries are out of the list while the walk runs.
        showPathList();
        Label4_->setText(qs(session_->folders().startDirectory));
        walking_ = true;
        GeneratedList result = walkBesideEventLoop(
            walk, found, [this](int count) { lblStatus_->setText(qs(session_->messages().directoriesFound(count))); });
        walking_ = false;
        return result;
    });
    showPathList();
    // A close asked for during the walk, with its offer to save the new list.
    if (std::exchange(closeAfterWalk_, false))
        close();
}

void Form1::clickEntry(int index)
{
    session_->clickEntry(index);
    showClickedEntry();
}

void Form1::selectBySearchText()
{
    const int first = session_->selectBySearchText(txt_find_->text().toStdString());
    showPathList();
    if (first >= 0) {
        List1_->scrollTo(List1_->model()->index(first, 0));
        showClickedEntry();
    }
}

void Form1::deleteSelected()
{
    session_->deleteSelected();
    showPathList();
}

void Form1::enterEditMode()
{
    img_putin_->show();
    cmd_einzel_->hide();
    txt_einzelpfad_->show();
    QPalette palette = txt_einzelpfad_->palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(kSinglePathBackground));
    txt_einzelpfad_->setPalette(palette);
    // Ready to type over, or to edit.
    txt_einzelpfad_->setFocus(Qt::OtherFocusReason);
    txt_einzelpfad_->selectAll();
}

void Form1::confirmSinglePath()
{
    const bool editing = focusWidget() == txt_einzelpfad_ || focusWidget() == img_putin_;
    img_putin_->hide();
    cmd_einzel_->show();
    txt_einzelpfad_->hide();
    if (editing)
        cmd_einzel_->setFocus(Qt::OtherFocusReason);
    // What was typed stays in the box, also when the list had no room for it.
    if (session_->confirmSinglePath(*dialogs_))
        showPathList();
}

void Form1::convertToNetworkShares()
{
    session_->convertToNetworkShares();
    showSession();
}

void Form1::convertToDriveLetters()
{
    session_->convertToDriveLetters();
    showSession();
}

void Form1::switchNameForm()
{
    session_->switchNameForm();
    showSession();
}

void Form1::toggleQuotes()
{
    session_->toggleQuotes();
    showPathList();
}

void Form1::makeRelative()
{
    if (session_->makeRelative(*dialogs_))
        showPathList();
}

void Form1::deleteDoubleEntries()
{
    session_->deleteDoubleEntries();
    showPathList();
}

void Form1::restorePreviousInput()
{
    session_->restorePreviousInput([this](StoredFolder folder, const std::string& path) { applyFolder(folder, path); });
    showLabels();
}

}  // namespace dirnal::ui
