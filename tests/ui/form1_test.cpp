#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <thread>

#include "platform/posix_directory_lister.h"
#include "support/fake_lister.h"
#include "support/form1_services.h"
#include "support/memory_settings.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/directory_list.h"
#include "ui/drive_selector.h"
#include "ui/form1.h"
#include "ui/form1_layout.h"
#include "ui/path_list_view.h"

namespace dirnal::ui {
namespace {

using dirnal::testing::FakeLister;
using dirnal::testing::MemorySettings;
using dirnal::testing::ScriptedDialogs;
using dirnal::testing::TempTree;
namespace keys = settings_keys;

class Form1Test : public ::testing::Test {
protected:
    std::unique_ptr<Form1> open(const DirectoryLister& fs, std::string initial = {})
    {
        if (initial.empty())
            initial = tree.mkdir("initial");
        return std::make_unique<Form1>(
            dirnal::testing::servicesFor(settings, fs, dialogs, initial, [this] { return drives; }));
    }

    template <typename T = QWidget>
    static T* find(const Form1& form, const char* name)
    {
        T* widget = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QString text(const Form1& form, const char* label) { return find<QLabel>(form, label)->text(); }
    static QStringList shownEntries(const Form1& form)
    {
        const auto* view = find<PathListView>(form, "List1");
        QStringList rows;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            rows << view->model()->index(row, 0).data().toString();
        return rows;
    }
    static void clickEntry(const Form1& form, int row)
    {
        auto* view = find<PathListView>(form, "List1");
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }
    static void generate(const Form1& form) { find<QPushButton>(form, "Command1")->click(); }

    QString q(const std::string& s) { return QString::fromStdString(s); }

    TempTree tree;
    PosixDirectoryLister disk;
    MemorySettings settings;
    ScriptedDialogs dialogs;
    std::vector<std::string> drives{"/"};
};

TEST_F(Form1Test, StartUpRestoresTheStoredFolders)
{
    settings.values[keys::kStartDirectory] = tree.mkdir("cad/start") + "/";
    settings.values[keys::kStartDrive] = "/";
    settings.values[keys::kListFileDirectory] = tree.mkdir("lists");
    settings.values[keys::kListFileDrive] = "/";
    settings.values[keys::kListFile] = "/elsewhere/dirnal.lst";

    const auto form = open(disk);

    EXPECT_EQ(form->windowTitle(), QStringLiteral("dirnal.lst-Manager"));
    EXPECT_EQ(find<DirectoryList>(*form, "Dir1")->path(), tree.path("cad/start"));
    EXPECT_EQ(text(*form, "lbl_suchstartpos"), q(tree.path("cad/start")));
    EXPECT_EQ(find<DirectoryList>(*form, "Dir_file")->path(), tree.path("lists"));
    EXPECT_EQ(text(*form, "lbl_file"), q(tree.path("lists/dirnal.lst"))) << "rebuilt, not the stored caption";
    EXPECT_EQ(text(*form, "lblStatus"), QStringLiteral("Status"));
    EXPECT_EQ(text(*form, "lblnumber"), QString());
    EXPECT_TRUE(find<QLabel>(*form, "img_ok")->isHidden());
    EXPECT_TRUE(find<QLabel>(*form, "img_pathnotvalid")->isHidden());
    EXPECT_TRUE(find(*form, "txt_einzelpfad")->isHidden());
    EXPECT_TRUE(find(*form, "Label4")->isHidden());
    EXPECT_EQ(shownEntries(*form), QStringList());
}

TEST_F(Form1Test, StartUpWithoutStoredKeysUsesTheDefaults)
{
    const auto form = open(disk);
    EXPECT_EQ(find<DirectoryList>(*form, "Dir1")->path(), "/tmp");
    EXPECT_EQ(text(*form, "lbl_suchstartpos"), QStringLiteral("/tmp"));
    EXPECT_EQ(text(*form, "lbl_file"), QStringLiteral("/tmp/dirnal.lst"));
}

TEST_F(Form1Test, StoredFoldersThatAreGoneAreNotApplied)
{
    settings.values[keys::kStartDirectory] = tree.path("deleted");
    settings.values[keys::kListFileDirectory] = tree.path("also-deleted");
    settings.values[keys::kStartDrive] = "/no/such/drive";

    const auto form = open(disk, tree.mkdir("here"));

    EXPECT_EQ(text(*form, "lbl_suchstartpos"), q(tree.path("here")));
    EXPECT_EQ(text(*form, "lbl_file"), q(tree.path("here/dirnal.lst")));
}

TEST_F(Form1Test, ADriveRootGivesTheListFileWithOneSeparator)
{
    settings.values[keys::kListFileDirectory] = "/";
    const auto form = open(disk);
    EXPECT_EQ(text(*form, "lbl_file"), QStringLiteral("/dirnal.lst"));
}

TEST_F(Form1Test, EveryCloseWritesTheFiveKeysInOrder)
{
    settings.values[keys::kStartDirectory] = tree.mkdir("start");
    settings.values[keys::kListFileDirectory] = tree.mkdir("lists");
    const auto form = open(disk);
    find<DirectoryList>(*form, "Dir1")->setPath(tree.mkdir("start/moved"));

    form->close();

    EXPECT_EQ(settings.written,
              (std::vector<std::string>{keys::kListFile, keys::kStartDirectory, keys::kStartDrive,
                                        keys::kListFileDirectory, keys::kListFileDrive}));
    EXPECT_EQ(settings.values[keys::kListFile], tree.path("lists/dirnal.lst"));
    EXPECT_EQ(settings.values[keys::kStartDirectory], tree.path("start/moved"));
    EXPECT_EQ(settings.values[keys::kStartDrive], "/");
    EXPECT_EQ(settings.values[keys::kListFileDirectory], tree.path("lists"));
    EXPECT_EQ(settings.values[keys::kListFileDrive], "/");

    // A second window restores what the first one stored.
    settings.written.clear();
    const auto again = open(disk);
    EXPECT_EQ(text(*again, "lbl_suchstartpos"), q(tree.path("start/moved")));
    again->close();
    EXPECT_EQ(settings.written.size(), 5u);
}

TEST_F(Form1Test, GeneratingFillsTheListLevelByLevelAndShowsTheTotal)
{
    tree.mkdir("root/Programme");
    tree.mkdir("root/Daten/Alt");
    settings.values[keys::kStartDirectory] = tree.path("root");
    const auto form = open(disk);

    generate(*form);

    const std::string r = tree.path("root/");
    EXPECT_EQ(shownEntries(*form), (QStringList{q(r + "Daten"), q(r + "Programme"), q(r + "Daten/Alt")}));
    EXPECT_EQ(text(*form, "lblStatus"), QStringLiteral("Total: 3"));
    EXPECT_EQ(text(*form, "Label4"), q(tree.path("root")));
    EXPECT_EQ(find<DirectoryList>(*form, "Dir1")->path(), tree.path("root"));
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "an empty list is replaced without a question";
    EXPECT_TRUE(dialogs.notices.isEmpty());
}

TEST_F(Form1Test, AnswerNoKeepsTheOldEntriesAfterTheNewOnes)
{
    FakeLister fs(PathStyle::Posix);
    fs.addChild("/r", "B");
    fs.addChild("/r", "C");
    settings.values[keys::kStartDirectory] = "/r";
    const auto form = open(fs, "/r");
    for (const char* old : {"/r/A", "/r/B"})
        ASSERT_TRUE(form->pathList().append(old));
    form->showPathList();

    dialogs.answers = {false};
    generate(*form);

    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Wollen Sie die bestehende Liste löschen ?")});
    EXPECT_EQ(shownEntries(*form), (QStringList{"/r/B", "/r/C", "/r/A"}));
    EXPECT_EQ(text(*form, "lblStatus"), QStringLiteral("Total: 2"));

    dialogs.answers = {true};
    generate(*form);
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(shownEntries(*form), (QStringList{"/r/B", "/r/C"}));
}

TEST_F(Form1Test, TheUserLearnsOfUnreadableDirectoriesAndOfTheLimit)
{
    FakeLister fs(PathStyle::Posix);
    for (int i = 0; i < PathList::kMaxEntries + 5; ++i)
        fs.addChild("/big", "d" + std::to_string(i));
    fs.makeUnreadable("/big/d7");
    fs.makeUnreadable("/big/d8");
    const auto form = open(fs, "/big");

    generate(*form);

    EXPECT_EQ(text(*form, "lblStatus"), QStringLiteral("Total: 32767"));
    EXPECT_EQ(shownEntries(*form).size(), PathList::kMaxEntries);
    ASSERT_EQ(dialogs.notices.size(), 1) << "the walk stopped before it reached the unreadable ones";
    EXPECT_TRUE(dialogs.notices[0].contains(QStringLiteral("unvollständig")));
    EXPECT_TRUE(dialogs.notices[0].contains(QStringLiteral("32767")));

    FakeLister small(PathStyle::Posix);
    small.addChild("/s", "a");
    small.addChild("/s", "b");
    small.makeUnreadable("/s/a");
    small.makeUnreadable("/s/b");
    dialogs.notices.clear();
    const auto other = open(small, "/s");
    generate(*other);
    EXPECT_EQ(dialogs.notices, QStringList{QStringLiteral(
                                   "2 Verzeichnisse konnten nicht gelesen werden; ihre Unterverzeichnisse fehlen "
                                   "in der Liste.")});
}

TEST_F(Form1Test, NamesWithLineBreaksAreLeftOutWithANotice)
{
    FakeLister fs(PathStyle::Posix);
    fs.addChild("/r", "gut");
    fs.addChild("/r", "zwei\nzeilen");
    const auto form = open(fs, "/r");
    generate(*form);
    EXPECT_EQ(shownEntries(*form), QStringList{"/r/gut"});
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].contains(QStringLiteral("Zeilenumbruch")));
}

TEST_F(Form1Test, ClickingAnEntryChecksItEveryTime)
{
    const std::string existing = tree.mkdir("root/exists");
    const std::string file = tree.touch("root/file");
    const auto form = open(disk);
    for (const std::string& entry : {existing, file, std::string(), std::string("relative/nowhere")})
        ASSERT_TRUE(form->pathList().append(entry));
    form->showPathList();
    form->show();

    clickEntry(*form, 0);
    EXPECT_EQ(text(*form, "lblnumber"), QStringLiteral("0"));
    EXPECT_EQ(text(*form, "lblStatus"), QStringLiteral("ok."));
    EXPECT_FALSE(find(*form, "img_ok")->isHidden());
    EXPECT_TRUE(find(*form, "img_pathnotvalid")->isHidden());
    EXPECT_EQ(find<QLineEdit>(*form, "txt_einzelpfad")->text(), q(existing));

    for (int row : {1, 2, 3}) {
        clickEntry(*form, row);
        EXPECT_EQ(text(*form, "lblnumber"), QString::number(row));
        EXPECT_EQ(text(*form, "lblStatus"), QStringLiteral("existiert nicht !")) << row;
        EXPECT_TRUE(find(*form, "img_ok")->isHidden());
        EXPECT_FALSE(find(*form, "img_pathnotvalid")->isHidden());
    }

    // Checked again on a click, nothing cached: the same entry, now gone.
    clickEntry(*form, 0);
    EXPECT_EQ(text(*form, "lblStatus"), QStringLiteral("ok."));
    std::filesystem::remove(existing);
    clickEntry(*form, 0);
    EXPECT_EQ(text(*form, "lblStatus"), QStringLiteral("existiert nicht !"));

    // Keyboard movement makes an entry current too.
    auto* view = find<PathListView>(*form, "List1");
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(text(*form, "lblnumber"), QStringLiteral("1"));
    EXPECT_EQ(form->pathList().currentIndex(), 1);
}

TEST_F(Form1Test, TheViewsSelectionIsTheListsSelection)
{
    const auto form = open(disk);
    for (const char* entry : {"a", "b", "c", "d"})
        ASSERT_TRUE(form->pathList().append(entry));
    form->showPathList();
    form->show();

    clickEntry(*form, 1);
    auto* view = find<PathListView>(*form, "List1");
    const QRect last = view->visualRect(view->model()->index(3, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, last.center());

    const PathList& list = form->pathList();
    EXPECT_EQ(list.selectedCount(), 2);
    EXPECT_TRUE(list.isSelected(1));
    EXPECT_TRUE(list.isSelected(3));
    EXPECT_EQ(view->selectionModel()->selectedRows().size(), 2);

    // A core change shown again reaches the view.
    form->pathList().setSelected(1, false);
    form->pathList().setSelected(0, true);
    form->showPathList();
    QList<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (QList<int>{0, 3}));
}

TEST_F(Form1Test, AnUnavailableDriveTakesTheSelectorBackToTheDriveOfTheDirectory)
{
    const std::string usb = tree.mkdir("usb");
    drives = {"/", usb};
    settings.values[keys::kListFileDirectory] = tree.mkdir("lists");
    const auto form = open(disk);
    auto* driveFile = find<DriveSelector>(*form, "Drive_file");
    driveFile->setCurrentIndex(1);  // not gone yet: the list opens it
    EXPECT_EQ(find<DirectoryList>(*form, "Dir_file")->path(), usb);
    driveFile->setCurrentIndex(0);
    EXPECT_EQ(find<DirectoryList>(*form, "Dir_file")->path(), tree.path("lists")) << "back where it was on /";

    std::filesystem::remove(usb);
    driveFile->setCurrentIndex(1);
    EXPECT_EQ(driveFile->drive(), "/");
    EXPECT_EQ(find<DirectoryList>(*form, "Dir_file")->path(), tree.path("lists"));
    EXPECT_EQ(text(*form, "lblStatus"), QStringLiteral("Laufwerk nicht verfügbar !"));
}

TEST_F(Form1Test, EveryControlIsNamedForAssistiveTechnology)
{
    const auto form = open(disk);
    for (const ControlSpec& row : form1Controls()) {
        QWidget* widget = find(*form, row.name);
        const QString expected = QString::fromUtf8(*row.caption && row.kind != ControlKind::FileList
                                                       ? row.caption
                                                       : row.toolTip);
        EXPECT_EQ(widget->accessibleName(), expected) << row.name;
        if (row.kind == ControlKind::ImageButton) {
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(widget);
            ASSERT_NE(access, nullptr);
            EXPECT_EQ(access->role(), QAccessible::Button) << row.name;
            ASSERT_NE(access->actionInterface(), nullptr) << row.name;
            EXPECT_TRUE(access->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
                << row.name;
        }
    }
}

}  // namespace
}  // namespace dirnal::ui

namespace dirnal::ui {
namespace {

// A chain of folders on a slow share: each listing takes 20 ms.
class SlowChain final : public DirectoryLister {
public:
    bool dirExists(const std::string& path) const override { return path.starts_with("/slow"); }
    DirectoryListing list(const std::string& directory) const override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        DirectoryListing listing;
        listing.status = DirectoryListing::Status::Listed;
        if (std::count(directory.begin(), directory.end(), '/') < 40)
            listing.subdirectories.push_back(directory + "/d");
        listing.throughLink.assign(listing.subdirectories.size(), 0);
        return listing;
    }
};

TEST(Form1Walk, ALongWalkShowsProgressAndAWaitCursorThenTheTotal)
{
    MemorySettings settings;
    ScriptedDialogs dialogs;
    const SlowChain slow;
    Form1 form(dirnal::testing::servicesFor(settings, slow, dialogs, "/slow"));
    form.show();
    auto* status = form.findChild<QLabel*>(QStringLiteral("lblStatus"));

    QString during;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QTimer::singleShot(700, [&] {
        during = status->text();
        if (QApplication::overrideCursor())
            cursor = QApplication::overrideCursor()->shape();
    });
    form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    EXPECT_TRUE(during.endsWith(QStringLiteral("Verzeichnisse gefunden..."))) << during.toStdString();
    EXPECT_EQ(cursor, Qt::WaitCursor);
    EXPECT_EQ(status->text(), QStringLiteral("Total: 39"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace dirnal::ui
