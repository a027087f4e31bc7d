// The window driven as a user drives it, through controls found by name.
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>

#include <map>

#include "core/messages.h"
#include "platform/drive_of.h"
#include "support/fake_lister.h"
#include "support/form1_fixture.h"
#include "support/held_checks.h"
#include "support/screen_reader.h"
#include "ui/directory_list.h"
#include "ui/drive_selector.h"

namespace dirnal::ui {
namespace {

using Entries = std::vector<std::string>;
using WindowTest = testing::Form1Fixture;
namespace keys = settings_keys;

TEST_F(WindowTest, TheStoredFoldersOpenThePanelsWhichSetStartAndListFileAndCloseStoresThemAndOffersTheList)
{
    const std::string usb = tree.mkdir("usb");
    drives = {"/", tree.root(), usb};
    settings.values[keys::kStartDirectory] = tree.mkdir("start") + "/";
    settings.values[keys::kListFileDirectory] = tree.mkdir("lists");
    settings.values[keys::kStartDrive] = settings.values[keys::kListFileDrive] = tree.root();
    tree.mkdir("lists/dirnal.lst");  // a folder in the way of the file
    open(tree.mkdir("initial"));
    EXPECT_TRUE(text("lbl_suchstartpos") == tree.path("start") && text("lbl_file") == tree.path("lists/dirnal.lst"));

    menu("optionens_0");
    find<DriveSelector>("Drive1")->setCurrentIndex(2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return find<DirectoryList>("Dir1")->path() == usb; }, 5000));
    click("cmd_okstartpos");
    EXPECT_EQ(text("lbl_suchstartpos"), usb);
    click("cmd_startpos");
    openFolder("Dir1", tree.mkdir("start/sub"));
    click("lbl_exitstart");
    EXPECT_TRUE(!shown("frame_start") && text("lbl_suchstartpos") == usb) << "closed, nothing taken over";

    fill({"C:\\a", tree.root()});
    dialogs.answers = {true};
    EXPECT_FALSE(form->close()) << "a save that failed keeps the window open";
    menu("dateis_2");  // "speichern unter...", no file list
    EXPECT_FALSE(shown("File_file"));
    click("cmd_hier");
    EXPECT_TRUE(dialogs.errors.size() == 2 && shown("Dateiauswahl")) << "kept open for another choice";
    openFolder("Dir_file", tree.mkdir("usb/chosen"));
    click("cmd_hier");
    const std::string saved = "C:\\a\r\n" + tree.root() + "\r\n";
    EXPECT_EQ(testing::contentOf(tree.path("usb/chosen/dirnal.lst")), saved);
    EXPECT_TRUE(text("lbl_file") == tree.path("usb/chosen/dirnal.lst") && !shown("Dateiauswahl"));

    fill({"old"});
    menu("dateis_0");  // "Öffnen"
    EXPECT_FALSE(shown("cmd_hier"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rowRect("File_file", 0).isValid(); }, 5000));
    clickRow("File_file", 0);
    EXPECT_TRUE(rowRect("List1", 4).isValid() && !shown("Dateiauswahl"));
    dialogs.answers = {true};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(testing::contentOf(tree.path("usb/chosen/dirnal.lst")), saved + "old\r\n" + saved)
        << "read back behind the list";

    open(tree.path("initial"));
    EXPECT_EQ(text("lbl_suchstartpos"), tree.path("start/sub")) << "the open directory is stored, confirmed or not";
    EXPECT_EQ(find<DirectoryList>("Dir_file")->path(), tree.path("usb/chosen")) << "its drive followed it";
    std::filesystem::remove_all(usb);
    find<DriveSelector>("Drive1")->setCurrentIndex(2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("lblStatus") == Messages().driveUnavailable(); }, 5000));
    EXPECT_EQ(find<DriveSelector>("Drive1")->drive(), driveOfPath(tree.root(), drives)) << "the drive before";
}

TEST_F(WindowTest, ADriveIsAskedBesideTheEventLoopShownPendingUntilItAnswersAndUnavailableWhenItIsLate)
{
    const std::string usb = tree.mkdir("usb"), hung = tree.mkdir("hung");
    drives = {"/", usb, hung, "/gibt/es/nicht"};
    testing::HeldChecks held(disk);
    held.hold(usb);
    held.hold(hung);
    services.drives.answers = held.driveAnswers();
    services.session.lister = &held;  // picking a drive asks it nothing more on the window's thread
    open(tree.root());
    auto* selector = find<DriveSelector>("Drive_file");
    const auto row = [&](const std::string& entry) { return selector->findText(QString::fromStdString(entry)); };
    form->show();
    click("cmd_saveplace");  // the window goes on while two drives are held
    EXPECT_TRUE(QTest::qWaitFor([&] { return row(Messages().driveBeingChecked("/gibt/es/nicht")) < 0; }, 5000));
    EXPECT_TRUE(row(Messages().driveBeingChecked(usb)) > 0 && row(Messages().driveBeingChecked(hung)) > 0);
    const std::string first = selector->drive();
    selector->setCurrentIndex(row(Messages().driveBeingChecked(hung)));
    EXPECT_TRUE(text("lblStatus") == Messages().driveUnavailable() && selector->drive() == first) << "not yet";

    held.release(usb);
    EXPECT_TRUE(QTest::qWaitFor([&] { return row(usb) > 0; }, 5000));
    selector->setCurrentIndex(row(usb));
    EXPECT_TRUE(QTest::qWaitFor([&] { return find<DirectoryList>("Dir_file")->path() == usb; }, 5000))
        << "asked again beside the event loop, it opens once it answers";
    EXPECT_TRUE(QTest::qWaitFor([&] { return row(Messages().driveNotAnswering(hung)) > 0; }, 10000));
    const std::string before = selector->drive();
    selector->setCurrentIndex(row(Messages().driveNotAnswering(hung)));
    EXPECT_TRUE(selector->drive() == before && find<DirectoryList>("Dir_file")->path() == usb);

    // A folder and an entry on the held drive: the window goes on, and each counts as unavailable when late.
    QSignalSpy folderUnavailable(find<DirectoryList>("Dir_file"), &DirectoryList::pathUnavailable);
    find<DirectoryList>("Dir_file")->setPath(hung);
    fill({usb, hung});
    clickRow("List1", 0);
    ASSERT_TRUE(shown("img_ok"));
    QTest::mouseClick(find<QAbstractItemView>("List1")->viewport(), Qt::LeftButton, {}, rowRect("List1", 1).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("lblStatus") == Messages().entryBeingChecked(); }, 2000));
    EXPECT_TRUE(form->session().clickedEntryPending() && !shown("img_ok") && !shown("img_pathnotvalid"));
    answered();
    EXPECT_TRUE(text("lblStatus") == Messages().entryUnchecked() && !shown("img_ok") && !shown("img_pathnotvalid"));
    EXPECT_TRUE(folderUnavailable.count() == 1 && find<DirectoryList>("Dir_file")->path() == usb);
}

TEST_F(WindowTest, TheWindowAppearsWhileTheStoredFoldersAreCheckedAndTakesEachWhenItAnswersOrAsMissingWhenLate)
{
    settings.values[keys::kStartDirectory] = tree.mkdir("hung/start");
    settings.values[keys::kListFileDirectory] = tree.mkdir("lists");
    testing::HeldChecks held(disk);
    held.hold(tree.path("hung/start"));
    held.hold(tree.path("lists"));
    services.session.lister = &held;
    open(tree.mkdir("initial"), false);
    form->show();
    testing::ScreenReader reader;
    EXPECT_TRUE(form->isVisible() && text("lblStatus") == Messages().checkingStoredFolders());
    EXPECT_EQ(reader.nameOf(find("lblStatus")).toStdString(), Messages().checkingStoredFolders());
    held.release(tree.path("lists"));
    EXPECT_FALSE(form->close()) << "not before start-up has ended";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }, 10000)) << "closed once it has";
    EXPECT_TRUE(text("lbl_file") == tree.path("lists/dirnal.lst") && text("lbl_suchstartpos") == tree.path("initial"));
    EXPECT_EQ(text("lblStatus"), Messages().statusInitial());
}

TEST_F(WindowTest, ASaveThatWaitsKeepsTheWindowGoingSaysSoAndAClosingStoresTheSettingsAndEndsWithoutIt)
{
    testing::MemoryFiles files;
    std::promise<void> release;
    files.holdWrites = [released = release.get_future().share()] { released.wait_for(std::chrono::seconds(10)); };
    services.session.files = &files;
    bool ended = false;
    services.endProgram = [&] { ended = true; };
    open(tree.root());
    form->show();
    fill({"a"});
    duringWalk.steps = [&] {
        EXPECT_EQ(text("lblStatus"), Messages().savingWaitsForDrive());
        EXPECT_FALSE(find("img_save")->isEnabled() || find<QAction>("dateis_1")->isEnabled() ||
                     find("Command1")->isEnabled());
        settings.written.clear();
        form->close();
        EXPECT_TRUE(ended && settings.written.size() == 5) << "the settings stored, the program ended";
        release.set_value();
    };
    menu("dateis_1");
    EXPECT_TRUE(ended && files.files[text("lbl_file")] == "a\r\n" && text("lblStatus") == Messages().fileSavedStatus());
}

TEST_F(WindowTest, AReadOrAConversionThatWaitsKeepsTheWindowGoingAndAClosingCancelsItAndOffersTheListAsItWas)
{
    testing::MemoryFiles files;
    files.files[tree.path("share/dirnal.lst")] = "neu\r\n";
    std::promise<void> release;
    const auto hold = [released = release.get_future().share()] { released.wait_for(std::chrono::seconds(10)); };
    files.holdReads = hold;
    services.session.files = &files;
    // What a cancel leaves behind holds nothing of the test's but this.
    services.session.shortName = [hold](const std::string& path) { return hold(), path; };
    const Entries quoted{'"' + tree.mkdir("share") + '"'};
    for (const bool reading : {true, false}) {
        open(tree.root());
        form->show();
        fill(quoted);
        duringWalk.steps = [&] {
            EXPECT_EQ(text("Command1"), "Abbrechen") << reading;
            dialogs.answers = {false};
            form->close();
        };
        reading ? (void)form->session().readChosenListFile(tree.path("share"), "dirnal.lst", dialogs) : click("cmd_DOS");
        EXPECT_TRUE(entries() == quoted && text("cmd_DOS") == "DOS") << reading;
        EXPECT_EQ(text("lblStatus"), reading ? Messages().readCancelled() : Messages().conversionCancelled());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }, 5000));
        EXPECT_EQ(dialogs.questions.back(), Messages().offerToSave(text("lbl_file")));
    }
    release.set_value();
}

// The disk, but while locked the start folder cannot be read.
struct LockableDisk final : DirectoryLister {
    LockableDisk(const DirectoryLister& d, std::string r) : disk(d), root(std::move(r)) {}
    bool dirExists(const std::string& path) const override { return disk.dirExists(path); }
    DirectoryListing list(const std::string& directory) const override
    {
        if (locked && directory == root)
            return {DirectoryListing::Status::Unreadable, {}, {}, {}, FileError{FileError::Kind::AccessDenied, 13}};
        return disk.list(directory);
    }
    const DirectoryLister& disk;
    const std::string root;
    bool locked = false;
};

TEST_F(WindowTest, DuringAWalkNothingActsButItsCancelByButtonEscapeOrCloseWhichLeavesTheListAsItWas)
{
    tree.mkdir("root/B/x");
    tree.mkdir("root/A");
    tree.touch("dirnal.lst", "read\r\n");
    settings.values[keys::kStartDirectory] = tree.path("root");
    LockableDisk lockable(disk, tree.path("root"));
    testing::HeldLister held(lockable);
    services.session.lister = &held;
    open(tree.root());
    form->show();  // the walk's event loop lays the emptied list out
    fill({"old"});  // kept: the question whether to delete it is answered No
    menu("dateis_0");  // the list-file panel, open to read dirnal.lst
    find("cmd_del")->setFocus();
    held.hold(tree.path("root"));
    testing::ScreenReader reader;
    bool waiting = false;
    duringWalk.steps = [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return text("lblStatus") == Messages().directoriesFound(0); }, 5000));
        waiting = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        const int width = form->width();
        const std::function<void()> waysIn[] = {
            [&] { click("cmd_einzel"); },                                        // a program's press
            [&] { QTest::mouseClick(find("cmd_startpos"), Qt::LeftButton); },   // the mouse
            [&] { QTest::keyClick(find("cmd_saveplace"), Qt::Key_Return); },    // the keyboard
            [&] { QTest::keyClicks(find("txt_find"), "x"); },
            [&] { menu("optionens_6"); },                                        // a menu item
            [&] { clickRow("File_file", 0); },                                   // a panel
            [&] { testing::pressAsAScreenReader(find("cmd_selshow")); },
        };
        for (const auto& wayIn : waysIn)
            wayIn();
        EXPECT_FALSE(shown("txt_einzelpfad") || shown("frame_start") || shown("cmd_hier"));
        EXPECT_TRUE(text("txt_find").empty() && entries().empty() && form->width() == width);
        EXPECT_EQ(dialogs.questions.size(), 1u) << "only whether to delete the old list";
        EXPECT_TRUE(text("Command1") == "Abbrechen" && find("Command1")->isEnabled() &&
                    form->focusWidget() == find("Command1") && reader.nameOf(find("Command1")) == "Abbrechen");
        held.release();
    };
    click("Command1");
    EXPECT_TRUE(waiting && !QApplication::overrideCursor()) << "under the wait cursor while the walk runs";
    const Entries made{tree.path("root/A"), tree.path("root/B"), tree.path("root/B/x"), "old"};
    EXPECT_EQ(entries(), made);
    EXPECT_TRUE(rowRect("List1", 3).isValid()) << "the new list is in view";
    EXPECT_TRUE(reader.nameOf(find("lblStatus")) == "Total: 3" && reader.heard(find("lblStatus"), "Total: 3"));
    // Orca speaks a notification shown in a status bar, not the change of a name.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(find("lblStatus"))->role(), QAccessible::StatusBar);
    EXPECT_TRUE(QTest::qWaitFor([&] { return reader.announced(find("lblStatus"), "Total: 3") == 1; }, 5000));
    EXPECT_TRUE(find("img_save")->isEnabled() && find<QAction>("dateis_1")->isEnabled() &&
                form->focusWidget() == find("cmd_del") && text("Command1") == "2. Liste erstellen")
        << "on again, and the focus back where it was";

    // A start folder that cannot be read makes no list: the list stays, after Yes to deleting it too.
    lockable.locked = true;
    dialogs.answers = {true};
    click("Command1");
    EXPECT_TRUE(entries() == made && dialogs.errors.size() == 1 &&
                dialogs.errors[0].find("Keine Berechtigung, es zu lesen (Fehlercode 13).") != std::string::npos);
    lockable.locked = false;
    // A listing that never answers: its walk is cancelled, after Yes to deleting the list too, and the list stays.
    const std::function<void()> cancels[] = {[&] { click("Command1"); },
                                             [&] { QTest::keyClick(form->windowHandle(), Qt::Key_Escape); },
                                             [&] { EXPECT_FALSE(form->close()) << "not while the walk runs"; }};
    for (const auto& cancel : cancels) {
        held.hold(tree.path("root"));
        dialogs.answers = {true};
        duringWalk.steps = cancel;
        click("Command1");
        EXPECT_TRUE(entries() == made && text("lblStatus") == Messages().walkCancelled());
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }, 5000)) << "closed once the walk had ended";
    EXPECT_EQ(dialogs.questions.back(), Messages().offerToSave(text("lbl_file"))) << "to save the list as it was";
    EXPECT_TRUE(dialogs.notices.empty() && dialogs.errors.size() == 1) << "nothing saved or read during the walk";
}

TEST_F(WindowTest, AClickedEntryIsCheckedAndEditedAndASearchKeepsWhatTheUserTypedButFindsWhatDeleteRemoves)
{
    const std::string a = tree.mkdir("A"), b = tree.mkdir("B"), bx = tree.mkdir("B/x");
    open(tree.root());
    fill({a, b, bx, "old"});
    clickRow("List1", 3);
    EXPECT_TRUE(text("lblnumber") == "3" && shown("img_pathnotvalid")) << "checked: no such folder";
    click("cmd_einzel");  // the clicked entry, ready to be typed over
    EXPECT_TRUE(form->focusWidget() == find("txt_einzelpfad") && find<QLineEdit>("txt_einzelpfad")->selectedText() == "old");
    QTest::keyClicks(find("txt_einzelpfad"), "neu");
    QTest::keyClicks(find("txt_find"), QString(QChar::fromLatin1(testing::kSeparator)) + u'B');
    click("cmd_deletethis");
    answered();
    EXPECT_EQ(text("lblnumber"), "1") << "the first find is made current, as by a click";
    EXPECT_TRUE(shown("img_ok") && text("txt_einzelpfad") == "neu");
    click("cmd_del");
    EXPECT_EQ(entries(), (Entries{a, "old"}));
    click("img_putin");
    EXPECT_TRUE(entries() == (Entries{a, "old", "neu"}) && !shown("txt_einzelpfad"));
}

TEST_F(WindowTest, MissingPathsAreCheckedBesideTheEventLoopAsAClickChecksThemAndTheDeleteImageRemovesThem)
{
    const std::string kept = tree.mkdir("kept"), deleted = tree.mkdir("deleted");
    const std::string file = tree.touch("file");
    settings.values[keys::kStartDirectory] = tree.root();  // the relative "kept" is still checked as written
    testing::HeldLister held(disk);
    services.session.lister = &held;
    open(tree.root());
    form->show();
    fill({kept, deleted, file, "kept", "."});
    std::filesystem::remove(testing::nativePath(deleted));
    held.hold(kept);
    bool waiting = false;
    duringWalk.steps = [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return text("lblStatus") == Messages().pathsChecked(4, 5); }, 5000));
        waiting = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        menu("optionens_7");
        click("cmd_del");
        EXPECT_TRUE(entries().size() == 5u && text("Command1") == "Abbrechen") << "nothing acts but the cancel";
        held.release();
    };
    EXPECT_EQ(testing::ScreenReader::nameOf(find<QAction>("optionens_7")),
              QString::fromUtf8("nicht vorhandene Pfade auswählen"));
    menu("optionens_7");
    EXPECT_TRUE(waiting && !QApplication::overrideCursor() && find("cmd_del")->isEnabled());
    EXPECT_TRUE(text("lblStatus") == Messages().missingPaths(3) && text("lblnumber") == "1");
    EXPECT_EQ(find<QAbstractItemView>("List1")->selectionModel()->selectedRows().size(), 3);
    click("cmd_del");
    EXPECT_EQ(entries(), (Entries{kept, "."}));
}

TEST_F(WindowTest, EveryControlHasANameAListenerUnderstandsAndALabelIsNamedByTheTextItShows)
{
    open(tree.root());
    fill({tree.root()});
    clickRow("List1", 0);
    click("cmd_startpos");
    menu("dateis_0");
    click("cmd_einzel");
    for (QWidget* control : form->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(?!qt_)[A-Za-z]\\w*$")))) {
        if (control->isVisibleTo(form.get())) {
            EXPECT_FALSE(testing::ScreenReader::nameOf(control).isEmpty()) << control->objectName().toStdString();
        }
    }
    const struct { const char* control; const char* name; } names[] = {
        {"img_putin", "Pfad hinzufügen"}, {"cmd_vista", "Anführungszeichen setzen oder entfernen"},
        {"List1", "Verzeichnisliste"}, {"img_ok", "Der angewählte Pfad existiert"}, {"lblnumber", "0"},
        {"txt_find", "Pfade die diesen Namen enthalten selektieren:"}};
    for (const auto& [control, name] : names)
        EXPECT_EQ(testing::ScreenReader::nameOf(find(control)), QString::fromUtf8(name));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(find("img_putin"))->role(), QAccessible::Button);
    testing::pressAsAScreenReader(find("img_putin"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return entries().size() == 2; }, 1000)) << "pressed, it adds the path";
}

TEST_F(WindowTest, TabFollowsTheWorkPassingOverWhatIsHiddenOrOutsideAndReturnOrEnterPressesTheFocusedButton)
{
    open(tree.root());
    form->show();
    fill({"a"});
    const auto tabs = [&](const char* from, int count) {
        Entries order;
        for (QWidget* widget = find(from); count-- > 0; widget = form->focusWidget()) {
            widget->setFocus(), order.push_back(widget->objectName().toStdString());
            QTest::keyClick(widget, Qt::Key_Tab);
        }
        return order;
    };
    EXPECT_EQ(tabs("List1", 15), (Entries{"List1", "cmd_startpos", "Command1", "cmd_einzel", "cmd_del", "cmd_DOS",
                                          "cmd_rel", "cmd_vista", "cmd_DirtoUNC", "cmd_UNCtoDir", "cmd_selshow",
                                          "cmd_saveplace", "img_save", "img_Exit", "List1"}));
    menu("dateis_0"), menu("optionens_0");  // the two panels, in the order they are drawn
    EXPECT_EQ(tabs("List1", 12), (Entries{"List1", "lbl_X", "Drive_file", "Dir_file", "File_file", "cmd_startpos",
                                          "Command1", "Drive1", "lbl_exitstart", "Dir1", "cmd_okstartpos", "cmd_einzel"}));
    click("lbl_X"), click("lbl_exitstart");
    const auto press = [&](const char* button, Qt::Key key) { find(button)->setFocus(), QTest::keyClick(find(button), key); };
    press("cmd_selshow", Qt::Key_Return);
    EXPECT_EQ(form->focusWidget(), find("txt_find")) << "widened into view";
    EXPECT_EQ(tabs("txt_find", 3), (Entries{"txt_find", "cmd_deletethis", "List1"}));
    press("cmd_vista", Qt::Key_Enter);
    EXPECT_EQ(entries(), Entries{"\"a\""});
    press("cmd_einzel", Qt::Key_Return);
    EXPECT_EQ(tabs("txt_einzelpfad", 3), (Entries{"txt_einzelpfad", "img_putin", "cmd_del"}));
    QTest::keyClicks(find("txt_einzelpfad"), "b");
    press("img_putin", Qt::Key_Return);
    EXPECT_TRUE(entries() == (Entries{"\"a\"", "b"}) && form->focusWidget() == find("cmd_einzel"));
}

// The window active, as keys and the focus events that a screen reader follows need it.
void activate(QWidget* window)
{
    window->show(), window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

TEST_F(WindowTest, AfterEveryCommandAScreenReaderIsToldOfTheFocusThatTakesTheNextKeyAndPanelsTakeAndGiveItBack)
{
    const std::string sub = tree.mkdir("sub");
    tree.touch("dirnal.lst", "gelesen\r\n");
    settings.values[keys::kStartDirectory] = settings.values[keys::kListFileDirectory] = tree.root();
    open(tree.root());
    activate(form.get());
    fill({tree.root(), "b"});
    QTest::keyClicks(find("txt_find"), "b");
    testing::ScreenReader reader;
    const struct { const char* control; Qt::Key key; const char* focus; const char* typed = "";
                   Qt::KeyboardModifiers modifiers = {}; } steps[] = {
        {"cmd_deletethis", Qt::Key_Return, "cmd_deletethis"},  // "selection" makes "b" current
        {"cmd_DirtoUNC", Qt::Key_Return, "cmd_UNCtoDir"}, {"cmd_UNCtoDir", Qt::Key_Enter, "cmd_DirtoUNC"},
        {"cmd_del", Qt::Key_Return, "cmd_del"}, {"List1", Qt::Key_O, "File_file", "", Qt::ControlModifier},
        {"File_file", Qt::Key_Return, "List1"},  // read, and back where the panel was opened
        {"cmd_startpos", Qt::Key_Return, "Dir1"}, {"Drive1", Qt::Key_Escape, "cmd_startpos"},
        {"cmd_saveplace", Qt::Key_Return, "Dir_file"}, {"Dir_file", Qt::Key_Return, "cmd_saveplace"},  // "speichern"
        {"cmd_einzel", Qt::Key_Return, "txt_einzelpfad"}, {"txt_einzelpfad", Qt::Key_Escape, "cmd_einzel", "weg"},
        {"cmd_einzel", Qt::Key_Return, "txt_einzelpfad"}, {"txt_einzelpfad", Qt::Key_Return, "cmd_einzel", "neu"},
    };
    for (const auto& step : steps) {
        find(step.control)->setFocus();
        if (const auto* list = qobject_cast<QAbstractItemView*>(find(step.control))) {  // the file list fills when asked
            ASSERT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount() > 0; }, 5000)) << step.control;
        }
        QTest::keyClicks(find(step.control), step.typed);
        QTest::keyClick(find(step.control), step.key, step.modifiers);
        EXPECT_TRUE(QApplication::focusWidget() == find(step.focus) && reader.focused() == find(step.focus))
            << step.control << " " << QKeySequence(step.key).toString().toStdString();
    }
    EXPECT_EQ(entries(), (Entries{tree.root(), "gelesen", "neu"}));
    EXPECT_EQ(testing::contentOf(tree.path("dirnal.lst")), tree.root() + "\r\ngelesen\r\n");

    // Return opens the folder highlighted in the start-position panel; on the open folder it presses "ok".
    find("cmd_startpos")->setFocus();
    QTest::keyClick(find("cmd_startpos"), Qt::Key_Return);
    auto* folders = find<QAbstractItemView>("Dir1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return folders->model()->rowCount() > folders->currentIndex().row() + 1; }, 5000));
    QTest::keyClick(folders, Qt::Key_Down);
    QTest::keyClick(folders, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return find<DirectoryList>("Dir1")->path() == sub; }, 5000));
    QTest::keyClick(folders, Qt::Key_Enter);
    EXPECT_TRUE(text("lbl_suchstartpos") == sub && !shown("frame_start") && reader.focused() == find("cmd_startpos"));
    menu("optionens_0");
    find("List1")->setFocus();
    QTest::keyClick(find("List1"), Qt::Key_Escape);
    EXPECT_FALSE(shown("frame_start")) << "Escape closes the open panel from outside too";
}

TEST_F(WindowTest, MenusOpenByTheirLettersAndFTenAreNamedWithoutTheMarkAndShortcutsSaveInformAndLeaveWithTheOffer)
{
    settings.values[keys::kListFileDirectory] = tree.root();
    open(tree.root());
    activate(form.get());
    fill({"a", "a"});
    for (QWidget* menu : {static_cast<QWidget*>(form->menuBar()), find("datei"), find("option")}) {
        QStringList letters;  // each its own in its menu
        for (QAction* item : menu->actions()) {
            letters << QKeySequence::mnemonic(item->text()).toString();
            EXPECT_TRUE(!letters.back().isEmpty() && letters.count(letters.back()) == 1 &&
                        testing::ScreenReader::nameOf(item) == QString(item->text()).remove(u'&'))
                << item->text().toStdString();
        }
    }
    testing::ScreenReader reader;
    QWidget* list = find("List1");
    list->setFocus();
    const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; Qt::Key item; const char* focus; } openings[] = {
        {Qt::Key_D, Qt::AltModifier, Qt::Key_F, "File_file"},  // Datei, Öffnen
        {Qt::Key_F10, {}, Qt::Key_U, "Dir_file"},              // Datei, speichern unter...
        {Qt::Key_O, Qt::AltModifier, Qt::Key_S, "Dir1"},       // Optionen, Such-Startposition einstellen
    };
    for (const auto& opening : openings) {
        QTest::keyClick(QApplication::focusWidget(), opening.key, opening.modifiers);
        ASSERT_TRUE(QApplication::activePopupWidget()) << QKeySequence(opening.key).toString().toStdString();
        QTest::keyClick(QApplication::activePopupWidget(), opening.item);
        EXPECT_TRUE(QApplication::focusWidget() == find(opening.focus) && reader.focused() == find(opening.focus));
        QTest::keyClick(find(opening.focus), Qt::Key_Escape);
    }
    activate(form.get());  // offscreen, a closed menu leaves no window active
    EXPECT_EQ(QApplication::focusWidget(), list) << "back where they were opened";
    QTest::keyClick(list, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(testing::contentOf(tree.path("dirnal.lst")), "a\r\na\r\n");
    for (const Qt::Key closing : {Qt::Key_Return, Qt::Key_Escape}) {
        QTest::keyClick(list, Qt::Key_F1);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() != form.get(); }, 5000));
        QPointer<QWidget> ok = QApplication::focusWidget();
        ASSERT_TRUE(ok && ok->window()->objectName() == "Form2" && reader.focused() == ok);
        QTest::keyClick(ok, closing);
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()) && QApplication::focusWidget() == list &&
                    reader.focused() == list);
    }
    for (const QKeyCombination leave : {Qt::ControlModifier | Qt::Key_Q, Qt::AltModifier | Qt::Key_F4}) {
        dialogs.answers = {false};
        QTest::keyClick(find("List1"), leave.key(), leave.keyboardModifiers());
        EXPECT_TRUE(!form->isVisible() && dialogs.questions.back() == Messages().offerToSave(text("lbl_file")));
        activate(form.get());
    }
}

TEST_F(WindowTest, TheConversionButtons)
{
    const std::string longName = tree.mkdir("Programme/Konstruktion");
    const std::string shortName = tree.mkdir("PROGRA~1");
    settings.values[keys::kStartDirectory] = tree.root();
    services.session.shortName = [&](const std::string& p) { return p == longName ? shortName : p; };
    services.session.longName = [&](const std::string& p) { return p == shortName ? longName : p; };
    open(tree.root());
    QAbstractItemModel* model = find<QAbstractItemView>("List1")->model();
    QSignalSpy added(model, &QAbstractItemModel::rowsInserted), rewritten(model, &QAbstractItemModel::dataChanged),
        reset(model, &QAbstractItemModel::modelReset);
    const std::string gone = "/gibt/es/nicht";
    fill({longName, gone});  // two rows added
    dialogs.answers = {false, true};  // making relative asks first: No changes nothing
    form->show();
    testing::ScreenReader reader;
    std::map<std::string, int> told;  // how often each account of a conversion was announced
    const struct { const char* button; Entries after; const char* caption; const char* told; } steps[] = {
        {"cmd_DOS", {shortName, gone}, "WIN", "1 Eintrag geändert"}, {"cmd_DOS", {longName, gone}, "DOS", "1 Eintrag geändert"},
        {"cmd_vista", {'"' + longName + '"', '"' + gone + '"'}, "DOS", "2 Einträge geändert"},
        {"cmd_vista", {longName, gone}, "DOS", "2 Einträge geändert"}, {"cmd_rel", {longName, gone}, "DOS", nullptr},
        {"cmd_rel", {longName.substr(tree.root().size() + 1), gone}, "DOS", "1 Eintrag geändert"}};
    for (const auto& step : steps) {
        click(step.button);
        EXPECT_TRUE(entries() == step.after && text("cmd_DOS") == step.caption) << step.button;
        EXPECT_TRUE(testing::ScreenReader::nameOf(find("cmd_DOS")).startsWith(QString(step.caption) + ':'));
        if (step.told) {
            const int times = ++told[step.told];
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return reader.announced(find("commandAnnouncement")->parentWidget(), QString::fromUtf8(step.told)) == times; }, 5000))
                << step.button << " " << step.told;
        }
    }

    // The list's rows follow each change: added, rewritten, and reset only when it is rebuilt.
    menu("optionens_3");  // "doppelte Einträge löschen"
    EXPECT_TRUE(added.count() == 2 && rewritten.count() == 5 && reset.count() == 1);
    click("cmd_DirtoUNC");
    EXPECT_TRUE(!shown("cmd_DirtoUNC") && shown("cmd_UNCtoDir"));
    click("cmd_UNCtoDir");
    EXPECT_TRUE(shown("cmd_DirtoUNC") && !shown("cmd_UNCtoDir"));
}

}  // namespace
}  // namespace dirnal::ui
