#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/posix_directory_lister.h"
#include "support/temp_tree.h"
#include "ui/directory_list.h"
#include "ui/drive_selector.h"

namespace dirnal::ui {
namespace {

using testing::TempTree;

QStringList itemTexts(const QListWidget& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text().trimmed();
    return texts;
}

class DirectoryListTest : public ::testing::Test {
protected:
    PosixDirectoryLister lister;
    TempTree tree;
    DirectoryList list{lister, [](const std::string&) { return std::string("/"); }};
};

TEST_F(DirectoryListTest, ShowsTheChainDownToTheOpenFolderThenItsSubdirectories)
{
    tree.mkdir("cad/zeta");
    tree.mkdir("cad/Beta");
    tree.mkdir("cad/alpha");
    tree.mkdir("cad/.hidden");
    tree.touch("cad/file");
    ASSERT_TRUE(list.setPath(tree.path("cad")));

    QStringList expected{QStringLiteral("/")};
    for (const QString& part : QString::fromStdString(tree.path("cad")).split(u'/', Qt::SkipEmptyParts))
        expected << part;
    expected << QStringLiteral("alpha") << QStringLiteral("Beta") << QStringLiteral("zeta");
    EXPECT_EQ(itemTexts(list), expected);
    EXPECT_EQ(list.currentItem()->text().trimmed(), QStringLiteral("cad")) << "the open folder is highlighted";
}

TEST_F(DirectoryListTest, SignalsEveryChangeOfPathOnceAndOnlyChanges)
{
    tree.mkdir("a/b");
    QSignalSpy changes(&list, &DirectoryList::pathChanged);
    ASSERT_TRUE(list.setPath(tree.path("a") + "/"));
    EXPECT_EQ(list.path(), tree.path("a")) << "no trailing separator";
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes.at(0).at(0).toString(), QString::fromStdString(tree.path("a")));

    EXPECT_TRUE(list.setPath(tree.path("a")));
    EXPECT_EQ(changes.size(), 1) << "the same folder again is no change";

    EXPECT_FALSE(list.setPath(tree.path("missing")));
    EXPECT_FALSE(list.setPath(tree.touch("file")));
    EXPECT_EQ(list.path(), tree.path("a"));
    EXPECT_EQ(changes.size(), 1);

    ASSERT_TRUE(list.setPath("/"));
    EXPECT_EQ(list.path(), "/");
}

TEST_F(DirectoryListTest, HighlightingIsNotOpeningButActivatingIs)
{
    tree.mkdir("a/b");
    ASSERT_TRUE(list.setPath(tree.path("a")));
    QListWidgetItem* child = list.item(list.count() - 1);
    ASSERT_EQ(child->text().trimmed(), QStringLiteral("b"));

    list.setCurrentItem(child);
    EXPECT_EQ(list.path(), tree.path("a"));

    QSignalSpy changes(&list, &DirectoryList::pathChanged);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.path(), tree.path("a/b"));
    EXPECT_EQ(changes.size(), 1);

    // Activating a folder of the chain goes back up.
    list.setCurrentItem(list.item(0));
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(list.path(), "/");
}

TEST(DriveSelector, SignalsAChangeOfDriveButNotTheDriveItShows)
{
    DriveSelector drives([] { return std::vector<std::string>{"/", "/home", "/media/usb"}; });
    QSignalSpy changes(&drives, &DriveSelector::driveChanged);
    drives.setDrive("/");
    EXPECT_EQ(drives.drive(), "/");
    EXPECT_EQ(changes.size(), 0);

    drives.setDrive("/home/anna/cad");
    EXPECT_EQ(drives.drive(), "/home");
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes.at(0).at(0).toString(), QStringLiteral("/home"));

    drives.setDrive("/home");
    EXPECT_EQ(changes.size(), 1);

    drives.setCurrentIndex(2);  // as the user picks it
    EXPECT_EQ(drives.drive(), "/media/usb");
    EXPECT_EQ(changes.size(), 2);
}

}  // namespace
}  // namespace dirnal::ui
