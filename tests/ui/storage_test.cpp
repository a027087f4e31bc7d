#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <csignal>
#include <fstream>
#include <sstream>

#include "platform/file_io.h"
#include "platform/posix_directory_lister.h"
#include "support/form1_fixture.h"
#include "support/form1_services.h"
#include "support/memory_settings.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/directory_list.h"
#include "ui/file_list.h"
#include "ui/form1.h"
#include "ui/path_list_view.h"

namespace dirnal::ui {
namespace {

using dirnal::testing::MemorySettings;
using dirnal::testing::ScriptedDialogs;
using dirnal::testing::TempTree;

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class StorageTest : public dirnal::testing::Form1Fixture {
protected:
    StorageTest()
    {
        settings.values[settings_keys::kListFileDirectory] = tree.mkdir("lists");
        settings.values[settings_keys::kStartDirectory] = tree.mkdir("start");
        form = std::make_unique<Form1>(
            dirnal::testing::servicesFor(settings, disk, dialogs, tree.root()));
    }

    QStringList rows() const
    {
        QStringList texts;
        for (const std::string& entry : form->pathList().entries())
            texts << QString::fromStdString(entry);
        return texts;
    }
    bool panelShown() const { return shown("Dateiauswahl"); }
    void clickListFile()
    {
        auto* files = find<FileList>("File_file");
        form->show();
        ASSERT_EQ(files->count(), 1);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
    }

    TempTree tree;
    PosixDirectoryLister disk;
};

TEST_F(StorageTest, SavingWritesTheListAndSaysWhere)
{
    fill({"C:\\a", "", "C:\\b"});
    find<QAbstractButton>("img_save")->click();
    EXPECT_EQ(contentOf(tree.path("lists/dirnal.lst")), "C:\\a\r\n\r\nC:\\b\r\n");
    EXPECT_EQ(text("lblStatus"), QStringLiteral("file saved"));
    EXPECT_EQ(dialogs.notices,
              QStringList{QString::fromStdString("Datei dirnal.lst wurde unter " + tree.path("lists") + " gespeichert")});
    EXPECT_TRUE(dialogs.errors.isEmpty());

    // An empty list still writes a file: of zero bytes.
    form->pathList().clear();
    menu(QStringLiteral("dateis_1"));
    EXPECT_EQ(contentOf(tree.path("lists/dirnal.lst")), "");
    EXPECT_EQ(dialogs.notices.size(), 2);
}

TEST_F(StorageTest, AFailedSaveChangesNothingAndSaysWhy)
{
    fill({"C:\\a"});
    const std::string target = tree.path("gone/dirnal.lst");
    form->setStorageLocation(target);
    find<QLabel>("lblStatus")->setText(QStringLiteral("vorher"));

    EXPECT_FALSE(form->Speichern());

    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QString::fromStdString(target)));
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("Das Verzeichnis existiert nicht.")));
    EXPECT_TRUE(dialogs.notices.isEmpty());
    EXPECT_EQ(text("lblStatus"), QStringLiteral("vorher"));
    EXPECT_EQ(text("lbl_file"), QString::fromStdString(target));
    EXPECT_EQ(rows(), QStringList{"C:\\a"});
}

TEST_F(StorageTest, WithoutAStorageLocationTheFileGoesBesideTheProgram)
{
    fill({"x"});
    form->setStorageLocation("");
    const std::string fallback = executableDirectory() + "/dirnal.lst";
    std::filesystem::remove(fallback);

    ASSERT_TRUE(form->Speichern());
    EXPECT_EQ(text("lbl_file"), QString::fromStdString(fallback));
    EXPECT_EQ(contentOf(fallback), "x\r\n");
    EXPECT_TRUE(dialogs.notices[0].contains(QString::fromStdString(tree.path("lists")))) << "names Dir_file";
    std::filesystem::remove(fallback);
}

TEST_F(StorageTest, ThePanelOpensInOpenModeOrSaveMode)
{
    EXPECT_FALSE(panelShown());
    const auto expectMode = [this](bool open) {
        EXPECT_TRUE(panelShown());
        EXPECT_EQ(!find("File_file")->isHidden(), open);
        EXPECT_TRUE(find("File_file")->isEnabled());
        EXPECT_EQ(!find("cmd_hier")->isHidden(), !open);
    };
    menu(QStringLiteral("dateis_2"));
    expectMode(false);
    menu(QStringLiteral("dateis_0"));
    expectMode(true);
    find<QAbstractButton>("cmd_saveplace")->click();
    expectMode(false);
    find<QAbstractButton>("lbl_X")->click();
    EXPECT_FALSE(panelShown());
    menu(QStringLiteral("optionens_1"));
    expectMode(false);
    EXPECT_TRUE(std::filesystem::is_empty(tree.path("lists"))) << "opening the panel writes nothing";
}

TEST_F(StorageTest, SpeichernInThePanelSavesIntoTheChosenDirectory)
{
    fill({"a"});
    menu(QStringLiteral("dateis_2"));
    find<DirectoryList>("Dir_file")->setPath(tree.mkdir("chosen"));
    find<QAbstractButton>("cmd_hier")->click();
    EXPECT_EQ(text("lbl_file"), QString::fromStdString(tree.path("chosen/dirnal.lst")));
    EXPECT_EQ(contentOf(tree.path("chosen/dirnal.lst")), "a\r\n");
    EXPECT_FALSE(panelShown());
    EXPECT_TRUE(dialogs.notices[0].endsWith(QString::fromStdString(tree.path("chosen") + " gespeichert")));
}

TEST_F(StorageTest, SpeichernAtTheRootJoinsWithOneSeparator)
{
    fill({"a"});
    menu(QStringLiteral("dateis_2"));
    find<DirectoryList>("Dir_file")->setPath("/");
    const QString before = text("lbl_file");
    // Nothing may really be written to "/": a file size limit of zero makes
    // the write fail, and the error names the place it was meant for.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit none = previous;
    none.rlim_cur = 0;
    ::setrlimit(RLIMIT_FSIZE, &none);
    find<QAbstractButton>("cmd_hier")->click();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Die Datei /dirnal.lst konnte nicht")));
    EXPECT_EQ(text("lbl_file"), before) << "a failed save keeps the old storage location";
    EXPECT_TRUE(panelShown()) << "and the panel, for another choice";
    EXPECT_FALSE(std::filesystem::exists("/dirnal.lst"));
}

TEST_F(StorageTest, ReadingAppendsEveryLineAndMakesTheFileTheStorageLocation)
{
    fill({"old 1", "old 2"});
    const std::string file = tree.touch("lists/dirnal.lst", "a\r\n\r\nb\r\nc\nd\re");
    find<DirectoryList>("Dir_file")->setPath(tree.path("lists"));
    menu(QStringLiteral("dateis_0"));
    clickListFile();

    EXPECT_EQ(rows(), (QStringList{"old 1", "old 2", "a", "", "b", "c", "d", "e"}));
    EXPECT_EQ(text("lbl_file"), QString::fromStdString(file));
    EXPECT_EQ(text("lblStatus"), QStringLiteral("Datei lesen..."));
    QCoreApplication::processEvents();
    EXPECT_EQ(text("lblStatus"), QStringLiteral("Datei lesen...")) << "the list taking the focus is no click";
    EXPECT_EQ(text("lblnumber"), QString());
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(find<PathListView>("List1")->model()->rowCount(), 8);
}

TEST_F(StorageTest, AnEmptyFileAppendsNothingButBecomesTheStorageLocation)
{
    fill({"kept"});
    const std::string file = tree.touch("lists/dirnal.lst");
    find<DirectoryList>("Dir_file")->setPath(tree.path("lists"));
    menu(QStringLiteral("dateis_0"));
    clickListFile();
    EXPECT_EQ(rows(), QStringList{"kept"});
    EXPECT_EQ(text("lbl_file"), QString::fromStdString(file));
}

TEST_F(StorageTest, AFileThatCannotBeReadChangesNothing)
{
    fill({"kept"});
    const std::string file = tree.touch("lists/dirnal.lst", "x\r\n");
    find<DirectoryList>("Dir_file")->setPath(tree.path("lists"));
    const QString before = text("lbl_file");
    menu(QStringLiteral("dateis_0"));
    std::filesystem::remove(file);  // gone after it was listed
    clickListFile();
    EXPECT_EQ(rows(), QStringList{"kept"});
    EXPECT_EQ(text("lbl_file"), before);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QString::fromStdString(file)));
}

TEST_F(StorageTest, AClickBesideTheFileAsksToChooseOneFirst)
{
    tree.touch("lists/dirnal.lst", "x\r\n");
    find<DirectoryList>("Dir_file")->setPath(tree.path("lists"));
    menu(QStringLiteral("dateis_0"));
    form->show();
    auto* files = find<FileList>("File_file");
    files->resize(files->width(), 60);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, QPoint(5, files->viewport()->height() - 3));
    EXPECT_EQ(dialogs.notices, QStringList{QStringLiteral("Zuerst Datei auswählen !")});
    EXPECT_FALSE(panelShown());
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(StorageTest, AFileLongerThanTheListHasRoomForIsReadUpToTheLimit)
{
    for (int i = 0; i < PathList::kMaxEntries - 3; ++i)
        ASSERT_TRUE(form->pathList().append("e"));
    tree.touch("lists/dirnal.lst", "1\r\n2\r\n3\r\n4\r\n5\r\n");
    find<DirectoryList>("Dir_file")->setPath(tree.path("lists"));
    menu(QStringLiteral("dateis_0"));
    clickListFile();
    EXPECT_EQ(form->pathList().count(), PathList::kMaxEntries);
    EXPECT_EQ(form->pathList().entryAt(PathList::kMaxEntries - 1), "3");
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].contains(QStringLiteral("2 Zeilen")));
}

TEST_F(StorageTest, HugeFilesAreReadWithinBounds)
{
    // 100 MB in a million lines: the list takes what it has room for.
    {
        std::ofstream out(tree.path("lists/dirnal.lst"), std::ios::binary);
        const std::string line = std::string(98, 'x') + "\r\n";
        for (int i = 0; i < 1'000'000; ++i)
            out << line;
    }
    find<DirectoryList>("Dir_file")->setPath(tree.path("lists"));
    menu(QStringLiteral("dateis_0"));
    clickListFile();
    EXPECT_EQ(form->pathList().count(), PathList::kMaxEntries);
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].contains(QString::number(1'000'000 - PathList::kMaxEntries)));

    // 100 MB in one line is no list file: nothing is appended.
    form->pathList().clear();
    std::ofstream(tree.path("lists/dirnal.lst"), std::ios::binary) << std::string(100'000'000, 'a');
    menu(QStringLiteral("dateis_0"));
    clickListFile();
    EXPECT_EQ(form->pathList().count(), 0);
    ASSERT_EQ(dialogs.notices.size(), 2);
    EXPECT_TRUE(dialogs.notices[1].contains(QStringLiteral("länger als 32767 Zeichen")));
}

TEST_F(StorageTest, PathsThatAreNotUtf8AreSavedByteForByte)
{
    const std::string raw = tree.mkdir(std::string("roh-\xff\xfe"));
    ASSERT_TRUE(form->pathList().append(raw));
    form->showPathList();
    ASSERT_TRUE(form->Speichern());
    EXPECT_EQ(contentOf(tree.path("lists/dirnal.lst")), raw + "\r\n");

    // A folder of that name can be chosen to save into, too.
    form->setStorageLocation(raw + "/dirnal.lst");
    ASSERT_TRUE(form->Speichern());
    EXPECT_EQ(contentOf(raw + "/dirnal.lst"), raw + "\r\n");
}

TEST_F(StorageTest, ClosingOffersToSaveAListThatIsNotEmpty)
{
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "an empty list is not offered";

    fill({"a"});
    dialogs.answers = {false};
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.questions, QStringList{QString::fromStdString("Wollen Sie die Datei " +
                                                                     tree.path("lists/dirnal.lst") + " speichern ?")});
    EXPECT_FALSE(std::filesystem::exists(tree.path("lists/dirnal.lst")));

    dialogs.answers = {true};
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(contentOf(tree.path("lists/dirnal.lst")), "a\r\n");
}

TEST_F(StorageTest, AFailedSaveAtCloseKeepsTheWindowOpen)
{
    fill({"a"});
    form->show();
    form->setStorageLocation(tree.path("gone/dirnal.lst"));
    dialogs.answers = {true};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(settings.written.size(), 5u) << "the settings are stored all the same";
}

TEST_F(StorageTest, ExitClosesTheInformationWindowAndThenTheMainWindow)
{
    QWidget information;
    information.show();
    form->setInformationWindow(&information);
    form->show();
    fill({"a"});
    dialogs.answers = {false};
    menu(QStringLiteral("dateis_3"));
    EXPECT_FALSE(information.isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(dialogs.questions.size(), 1);

    form->show();
    find<QAbstractButton>("img_Exit")->click();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(StorageTest, WhatWasSavedReadsBackInANewWindow)
{
    tree.mkdir("start/B/x");
    tree.mkdir("start/A");
    find<QAbstractButton>("Command1")->click();
    const QStringList generated = rows();
    ASSERT_EQ(generated.size(), 3);
    dialogs.answers = {true};
    form->close();

    form = std::make_unique<Form1>(
        dirnal::testing::servicesFor(settings, disk, dialogs, tree.root()));
    menu(QStringLiteral("dateis_0"));
    clickListFile();
    EXPECT_EQ(rows(), generated);
}

}  // namespace
}  // namespace dirnal::ui
