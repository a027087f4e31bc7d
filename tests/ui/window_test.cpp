// The window driven as a user drives it, through controls found by name.
#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include <fstream>
#include <iterator>
#include <thread>

#include "core/messages.h"
#include "support/form1_fixture.h"
#include "ui/directory_list.h"
#include "ui/drive_selector.h"

namespace dirnal::ui {
namespace {

using Entries = std::vector<std::string>;
namespace keys = settings_keys;

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class WindowTest : public testing::Form1Fixture {
protected:
    int rowsShown() const { return find<PathListView>("List1")->model()->rowCount(); }
    DirectoryList* dir(const char* name) const { return find<DirectoryList>(name); }
};

TEST_F(WindowTest, StartUpShowsTheStoredFoldersAndEveryCloseStoresThem)
{
    settings.values[keys::kStartDirectory] = tree.mkdir("cad/start") + "/";
    settings.values[keys::kListFileDirectory] = tree.mkdir("lists");
    settings.values[keys::kStartDrive] = settings.values[keys::kListFileDrive] = tree.root();
    drives = {"/", tree.root()};
    open(tree.mkdir("initial"));
    EXPECT_EQ(text("lbl_suchstartpos"), tree.path("cad/start"));
    EXPECT_EQ(text("lbl_file"), tree.path("lists/dirnal.lst"));

    dir("Dir1")->setPath(tree.mkdir("cad/moved"));
    dir("Dir_file")->setPath("/");
    form->close();
    EXPECT_EQ(settings.written, (Entries{keys::kListFile, keys::kStartDirectory, keys::kStartDrive,
                                         keys::kListFileDirectory, keys::kListFileDrive}));
    EXPECT_EQ(settings.values[keys::kStartDirectory], tree.path("cad/moved"));
    EXPECT_EQ(settings.values[keys::kStartDrive], tree.root());
    EXPECT_EQ(settings.values[keys::kListFileDrive], "/") << "the drive followed its directory";
    open(tree.path("initial"));
    EXPECT_EQ(text("lbl_suchstartpos"), tree.path("cad/moved"));
    EXPECT_EQ(dir("Dir_file")->path(), "/");
}

TEST_F(WindowTest, GeneratingAsksAboutTheOldListAndShowsTheNewOneWithItsTotal)
{
    tree.mkdir("root/B/x");
    tree.mkdir("root/A");
    settings.values[keys::kStartDirectory] = tree.path("root");
    open(tree.root());
    fill({"old"});
    dialogs.answers = {false};
    click("Command1");
    const std::string r = tree.path("root/");
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(entries(), (Entries{r + "A", r + "B", r + "B/x", "old"}));
    EXPECT_EQ(rowsShown(), 4);
    EXPECT_EQ(text("lblStatus"), "Total: 3");
    EXPECT_EQ(text("Label4"), tree.path("root"));
}

// A share that takes 1.2 s to list its folder, which is empty.
struct SlowShare final : DirectoryLister {
    bool dirExists(const std::string& path) const override { return path == "/slow"; }
    DirectoryListing list(const std::string&) const override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(1200));
        DirectoryListing listing;
        listing.status = DirectoryListing::Status::Listed;
        return listing;
    }
};

TEST_F(WindowTest, ALongWalkShowsItsProgressUnderAWaitCursorThenTheTotal)
{
    const SlowShare slow;
    settings.values[keys::kStartDirectory] = "/slow";
    open("/slow", {}, &slow);
    form->show();
    std::string during;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QTimer::singleShot(700, [&] {
        during = text("lblStatus");
        if (const QCursor* active = QApplication::overrideCursor())
            cursor = active->shape();
        EXPECT_FALSE(form->close()) << "not while the walk runs";
    });
    click("Command1");
    EXPECT_EQ(during, messages::directoriesFound(0));
    EXPECT_EQ(cursor, Qt::WaitCursor);
    EXPECT_EQ(text("lblStatus"), "Total: 0");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(WindowTest, ClickSearchDeleteAndSinglePath)
{
    const std::string here = tree.mkdir("temp");
    open(tree.root());
    form->show();
    fill({here, "/nowhere/temp", "/other"});
    clickEntry(1);
    EXPECT_EQ(text("lblnumber"), "1");
    EXPECT_EQ(text("lblStatus"), messages::kEntryMissing);
    EXPECT_TRUE(shown("img_pathnotvalid"));

    find<QLineEdit>("txt_find")->setText(QStringLiteral("temp"));
    click("cmd_deletethis");
    EXPECT_EQ(text("lblnumber"), "0") << "the first find is made current, as by a click";
    EXPECT_TRUE(shown("img_ok"));
    click("cmd_del");
    EXPECT_EQ(entries(), Entries{"/other"});
    EXPECT_EQ(rowsShown(), 1);

    click("cmd_einzel");  // the clicked entry, for editing
    EXPECT_EQ(text("txt_einzelpfad"), here);
    click("img_putin");
    EXPECT_EQ(entries(), (Entries{"/other", here}));
    EXPECT_EQ(rowsShown(), 2);
    EXPECT_FALSE(shown("txt_einzelpfad"));
}

TEST_F(WindowTest, TheConversionButtons)
{
    const std::string longName = tree.mkdir("Programme/Konstruktion");
    const std::string shortName = tree.mkdir("PROGRA~1");
    settings.values[keys::kStartDirectory] = tree.root();
    open(tree.root(), [&](Form1Services& services) {
        services.shortName = [&](const std::string& p) { return p == longName ? shortName : p; };
        services.longName = [&](const std::string& p) { return p == shortName ? longName : p; };
    });
    fill({longName, "/gibt/es/nicht"});
    click("cmd_DOS");
    EXPECT_EQ(text("cmd_DOS"), "WIN");
    EXPECT_EQ(entries(), (Entries{shortName, "/gibt/es/nicht"}));
    click("cmd_DOS");
    EXPECT_EQ(text("cmd_DOS"), "DOS");
    click("cmd_vista");
    EXPECT_EQ(entries(), (Entries{'"' + longName + '"', "\"/gibt/es/nicht\""}));
    click("cmd_vista");

    dialogs.answers = {false, true};
    click("cmd_rel");
    EXPECT_EQ(entries(), (Entries{longName, "/gibt/es/nicht"})) << "No changes nothing";
    click("cmd_rel");
    EXPECT_EQ(entries(), (Entries{"Programme/Konstruktion", "/gibt/es/nicht"}));

    click("cmd_DirtoUNC");
    EXPECT_FALSE(shown("cmd_DirtoUNC"));
    EXPECT_TRUE(shown("cmd_UNCtoDir"));
    click("cmd_UNCtoDir");
    EXPECT_TRUE(shown("cmd_DirtoUNC"));
    EXPECT_FALSE(shown("cmd_UNCtoDir"));
}

TEST_F(WindowTest, SavedThroughTheListFilePanelReadBackAndOfferedAtClose)
{
    settings.values[keys::kListFileDirectory] = tree.mkdir("lists");
    tree.mkdir("lists/dirnal.lst");  // a folder in the way of the file
    open(tree.root());
    form->show();
    fill({"C:\\a", "", tree.root()});
    dialogs.answers = {true};
    EXPECT_FALSE(form->close()) << "a save that failed keeps the window open";
    EXPECT_TRUE(form->isVisible());

    menu("dateis_2");  // "speichern unter..."
    EXPECT_FALSE(shown("File_file"));
    click("cmd_hier");
    EXPECT_EQ(dialogs.errors.size(), 2u);
    EXPECT_TRUE(shown("Dateiauswahl")) << "kept open for another choice";
    dir("Dir_file")->setPath(tree.mkdir("chosen"));
    click("cmd_hier");
    EXPECT_EQ(contentOf(tree.path("chosen/dirnal.lst")), "C:\\a\r\n\r\n" + tree.root() + "\r\n");
    EXPECT_EQ(text("lbl_file"), tree.path("chosen/dirnal.lst"));
    EXPECT_FALSE(shown("Dateiauswahl"));

    fill({"old"});
    menu("dateis_0");  // "Öffnen"
    EXPECT_FALSE(shown("cmd_hier"));
    auto* files = find<QListWidget>("File_file");
    ASSERT_EQ(files->count(), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
    EXPECT_EQ(entries(), (Entries{"old", "C:\\a", "", tree.root()}));
    EXPECT_EQ(rowsShown(), 4);
    EXPECT_FALSE(shown("Dateiauswahl"));
    dialogs.answers = {true};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(contentOf(tree.path("chosen/dirnal.lst")), "old\r\nC:\\a\r\n\r\n" + tree.root() + "\r\n");
}

TEST_F(WindowTest, TheStartPositionPanelTakesTheOpenDirectoryOverOnlyWithOk)
{
    settings.values[keys::kStartDirectory] = tree.mkdir("start");
    const std::string usb = tree.mkdir("usb");
    drives = {"/", usb};
    open(tree.root());
    click("cmd_startpos");
    dir("Dir1")->setPath(tree.mkdir("start/sub"));
    click("lbl_exitstart");
    EXPECT_FALSE(shown("frame_start"));
    EXPECT_EQ(text("lbl_suchstartpos"), tree.path("start"));

    menu("optionens_0");
    auto* drive1 = find<DriveSelector>("Drive1");
    drive1->setCurrentIndex(1);
    EXPECT_EQ(dir("Dir1")->path(), usb);
    click("cmd_okstartpos");
    EXPECT_FALSE(shown("frame_start"));
    EXPECT_EQ(text("lbl_suchstartpos"), usb);

    drive1->setCurrentIndex(0);
    std::filesystem::remove(usb);
    drive1->setCurrentIndex(1);
    EXPECT_EQ(drive1->drive(), "/");
    EXPECT_EQ(text("lblStatus"), messages::kDriveUnavailable);
}

}  // namespace
}  // namespace dirnal::ui
