#include "ui/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

#include <utility>

#include "ui/ask_beside_event_loop.h"
#include "ui/caption_button.h"
#include "ui/dialogs.h"
#include "ui/fitting_label.h"
#include "ui/announcement.h"
#include "ui/status_line.h"
#include "ui/form2.h"
#include "ui/path_list_view.h"
#include "ui/qt_text.h"
#include "ui/run_beside_event_loop.h"
#include "ui/start_position_panel.h"
#include "ui/status_image.h"

namespace dirnal::ui {

namespace {

// How long a clicked entry may take to answer before it is shown as being checked.
constexpr std::chrono::milliseconds kPendingShownAfter{150};

// The name of `cmd_DOS`, whose caption names the form it converts to.
QString nameFormButtonName(bool toShort)
{
    return translated("AccessibleNames", toShort ? QT_TRANSLATE_NOOP("AccessibleNames", "DOS: Pfade in kurze 8.3-Namen umwandeln")
                                                 : QT_TRANSLATE_NOOP("AccessibleNames", "WIN: Pfade in lange Namen umwandeln"));
}

// Enables or disables every control below `root` but `kept`, which stays as
// it is, as do the frames that hold it.
void setEnabledAllBut(QWidget* root, const QWidget* kept, bool enabled)
{
    for (QWidget* child : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == kept)
            continue;
        if (child->isAncestorOf(kept))
            setEnabledAllBut(child, kept, enabled);
        else
            child->setEnabled(enabled);
    }
}

SessionServices inLanguage(SessionServices services, const TextCatalog& texts)
{
    services.texts = &texts;
    return services;
}

}  // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      messageBoxes_(services_.dialogs ? nullptr : std::make_unique<MessageBoxDialogs>(this)),
      dialogs_(services_.dialogs ? services_.dialogs : messageBoxes_.get()),
      session_(std::make_unique<Session>(inLanguage(services_.session, texts_))),
      ui_(buildForm1(*this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("dirnal.lst-Manager"));  // the product's name in every language
    ui_.List1->setSession(*session_);
    commandAnnouncement_ = new Announcement(ui_.client);
    commandAnnouncement_->setObjectName(QStringLiteral("commandAnnouncement"));
    connectPanels();
    connectActions();
    connectKeys();

    session_->addListener(*this);
    session_->setWriteRunner([this](const std::function<void()>& write) {
        writing_ = true;
        sessionEnd_.writeBegins();
        runBesideEventLoop([&] {
            write();
            sessionEnd_.writeEnds();
        });
        writing_ = false;
    });
    session_->setFileSystemRunner([](const std::function<void()>& work) { runBesideEventLoop(work); });
    session_->setEntryQuestion([this](const std::string& path, std::function<void(Existence)> answered) {
        askBesideEventLoop<Existence>(
            *this, [lister = services_.session.lister, path] { return lister->existence(path); }, answered);
        // A quick answer is shown as it comes; a slow one is first shown
        // as pending, not as what the entry clicked before said.
        QTimer::singleShot(kPendingShownAfter, this, [this] { session_->showClickedEntryPending(); });
        QTimer::singleShot(kFileSystemAnswerTimeout, this, [answered] { answered(Existence::Unknown); });
    });
    QCoreApplication::instance()->installNativeEventFilter(&sessionEnd_);
    for (const auto show : {&Form1::startPositionChanged, &Form1::storageLocationChanged, &Form1::nameFormChanged,
                            &Form1::clickedEntryChanged, &Form1::singlePathChanged, &Form1::statusChanged})
        (this->*show)();
    setStartSize();
    ui_.List1->setFocus();
    startUp();
}

void Form1::startUp()
{
    // The window appears at once, whatever the mounts do: the stored
    // folders are checked beside the event loop, and start-up ends when all
    // have answered or the wait is over.
    checkDirectoriesBesideEventLoop(*this, *services_.session.lister, session_->beginStartUp(),
                                    [this](const std::vector<bool>& exist) {
                                        session_->finishStartUp(
                                            exist,
                                            [this](StoredFolder folder, const std::string& path) {
                                                applyFolder(folder, path);
                                            },
                                            dialogs_);
                                    });
}

Form1::~Form1()
{
    session_->removeListener(*this);
    // The controls go while the session they report to is still there.
    delete centralWidget();
    // The information window is a window of its own; it goes with this one.
    delete Form2_;
}

void Form1::startPositionChanged()
{
    ui_.lbl_suchstartpos->setText(qs(session_->startPosition()));
}

void Form1::storageLocationChanged()
{
    ui_.lbl_file->setText(qs(session_->storageLocation()));
}

void Form1::nameFormChanged()
{
    // The button names the form the next click goes to.
    const bool toShort = session_->nameForm() == NameForm::Long;
    ui_.cmd_DOS->setText(toShort ? QStringLiteral("DOS") : QStringLiteral("WIN"));
    ui_.cmd_DOS->setAccessibleName(nameFormButtonName(toShort));
}

void Form1::clickedEntryChanged()
{
    const std::optional<ClickedEntry>& clicked = session_->clickedEntry();
    if (!clicked)
        return;
    ui_.lblnumber->setText(QString::number(clicked->index));
    ui_.img_pathnotvalid->setVisible(!clicked->exists && clicked->checked);
    ui_.img_ok->setVisible(clicked->exists);
}

void Form1::singlePathChanged()
{
    // Setting the same text again would lose the cursor and the undo steps.
    if (const QString singlePath = qs(session_->singlePath()); ui_.txt_einzelpfad->text() != singlePath)
        ui_.txt_einzelpfad->setText(singlePath);
}

void Form1::statusChanged()
{
    ui_.lblStatus->setText(qs(session_->status()));
}

void Form1::commandSummaryChanged()
{
    commandAnnouncement_->announce(qs(session_->commandSummary()));
}

void Form1::busyChanged()
{
    const bool busy = session_->busy();
    if (busy)
        focusBeforeBusy_ = focusWidget();
    // The one switch for everything that acts: every button, image button,
    // panel and the list, and the items of the two menus with their
    // shortcuts; for the mouse, the keyboard and a screen reader alike. Only
    // "2. Liste erstellen" stays during a walk and a check of the entries,
    // as "Abbrechen", with the focus and Escape. Start-up's checks and a
    // save cannot be cancelled: the button is off then.
    const bool cancellable = session_->cancellable();
    setEnabledAllBut(ui_.client, ui_.Command1, !busy);
    ui_.Command1->setEnabled(!busy || cancellable);
    for (QAction* item : ui_.dateis)
        item->setEnabled(!busy);
    for (QAction* item : ui_.optionens)
        item->setEnabled(!busy);
    ui_.Command1->setText(cancellable ? translated("Form1", QT_TRANSLATE_NOOP("Form1", "Abbrechen"))
                                      : translated("Form1", QT_TRANSLATE_NOOP("Form1", "2. Liste erstellen")));
    ui_.Command1->setToolTip(
        !cancellable                ? translated("Form1", QT_TRANSLATE_NOOP("Form1", "Listenerstellung starten"))
        : session_->checkingEntries() ? translated("Form1", QT_TRANSLATE_NOOP("Form1", "Prüfung abbrechen (Esc)"))
                                      : translated("Form1", QT_TRANSLATE_NOOP("Form1", "Listenerstellung abbrechen (Esc)")));
    cancelWalk_->setEnabled(cancellable);
    ui_.lblStatus->announcement().waitForTheWindow();
    commandAnnouncement_->waitForTheWindow();
    if (cancellable)
        ui_.Command1->setFocus(Qt::OtherFocusReason);
    if (busy)
        return;
    if (focusBeforeBusy_)
        focusBeforeBusy_->setFocus(Qt::OtherFocusReason);
    // A close asked for meanwhile, with its offer to save the list.
    if (std::exchange(closeWhenIdle_, false))
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void Form1::applyFolder(StoredFolder folder, const std::string& path)
{
    startPanel_->open(folder, path);
    listFilePanel_->open(folder, path);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // A write that keeps waiting (a share that does not answer) is left
    // behind: the settings are stored and the program ends without it. One
    // in place keeps its recovery copy, which the next start offers back.
    if (writing_) {
        startPanel_->reportFolders();
        listFilePanel_->reportFolders();
        session_->shutDown();
        event->ignore();
        if (services_.endProgram)
            services_.endProgram();
        else
            std::_Exit(EXIT_SUCCESS);
        return;
    }
    // A close cancels the walk or the check of the entries; the window
    // closes once it has ended, with the list as it was.
    if (session_->busy()) {
        closeWhenIdle_ = true;
        session_->cancelWalk();
        event->ignore();
        return;
    }
    // The session stores what the panels show now.
    startPanel_->reportFolders();
    listFilePanel_->reportFolders();
    session_->shutDown();
    // A save the user asked for that failed keeps the window open: closing
    // now would lose the list.
    event->setAccepted(session_->offerToSave(*dialogs_));
}

void Form1::showInformationWindow()
{
    if (Form2_) {
        Form2_->show();
        Form2_->raise();
        Form2_->activateWindow();
        return;
    }
    auto* information = new Form2(services_.openPage, services_.documentationPage);
    Form2_ = information;
    // Back to the control it was opened from, which this window still has.
    connect(information, &Form2::closed, this, [this] {
        if (isVisible())
            activateWindow();
    });
    const QScreen* screen = this->screen();
    information->load(frameGeometry(), screen ? screen->geometry() : QRect(0, 0, 1024, 768));
    // With the keys, as when it is shown again.
    information->activateWindow();
}

void Form1::leaveApplication()
{
    if (Form2_)
        Form2_->close();
    close();
}

}  // namespace dirnal::ui
