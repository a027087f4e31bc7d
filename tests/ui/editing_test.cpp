#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "support/fake_lister.h"
#include "support/form1_fixture.h"
#include "support/form1_services.h"
#include "support/memory_settings.h"
#include "support/scripted_dialogs.h"
#include "ui/form1.h"
#include "ui/path_list_view.h"

namespace dirnal::ui {
namespace {

using dirnal::testing::FakeLister;
using dirnal::testing::MemorySettings;
using dirnal::testing::ScriptedDialogs;

class EditingTest : public dirnal::testing::Form1Fixture {
protected:
    EditingTest()
    {
        fs.addDirectory("/start");
        fs.addDirectory("/exists");
        form = std::make_unique<Form1>(
            dirnal::testing::servicesFor(settings, fs, dialogs, "/start"));
        form->show();
    }

    void search(const char* text)
    {
        find<QLineEdit>("txt_find")->setText(QString::fromUtf8(text));
        click("cmd_deletethis");
    }
    // The view shows exactly the list's selected flags.
    void expectViewMatchesList()
    {
        auto* view = find<PathListView>("List1");
        const PathList& list = form->pathList();
        ASSERT_EQ(view->model()->rowCount(), list.count());
        for (int row = 0; row < list.count(); ++row)
            EXPECT_EQ(view->selectionModel()->isSelected(view->model()->index(row, 0)), list.isSelected(row)) << row;
    }

    FakeLister fs{PathStyle::Posix};
};

TEST_F(EditingTest, ASearchFollowedAtOnceByADeleteRemovesTheFoundEntries)
{
    fill({"C:\\temp\\a", "C:\\Temp\\b", "D:\\work", "C:\\temp\\c"});
    ASSERT_TRUE(text("lblnumber").isEmpty()) << "no click since start";
    search("temp");
    expectViewMatchesList();
    EXPECT_EQ(text("lblnumber"), QStringLiteral("0")) << "the first find is made current";
    EXPECT_EQ(find<QLineEdit>("txt_einzelpfad")->text(), QStringLiteral("C:\\temp\\a"));

    click("cmd_del");
    EXPECT_EQ(entries(), (std::vector<std::string>{"C:\\Temp\\b", "D:\\work"}));
    EXPECT_EQ(text("lblStatus"), QStringLiteral("löschen..."));
    EXPECT_EQ(form->pathList().selectedCount(), 0);
    EXPECT_EQ(form->pathList().currentIndex(), -1);
    expectViewMatchesList();
}

TEST_F(EditingTest, ASearchThatFindsNothingSelectsNothingAndChangesNoCurrentEntry)
{
    fill({"a", "b"});
    clickEntry(1);
    search("zzz");
    EXPECT_EQ(form->pathList().selectedCount(), 0);
    EXPECT_EQ(text("lblnumber"), QStringLiteral("1"));
    expectViewMatchesList();
}

TEST_F(EditingTest, DeleteBeforeAnyClickOnlyRemovesEmptyEntries)
{
    fill({"a", "", "b", ""});
    find<QLabel>("lblStatus")->setText(QStringLiteral("vorher"));
    form->pathList().setSelected(0, true);
    form->showPathList();
    click("cmd_del");
    EXPECT_EQ(entries(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(text("lblStatus"), QStringLiteral("vorher"));
}

TEST_F(EditingTest, DeleteRemovesTheSelectedOccurrencesOnlyAndKeepsTheOrder)
{
    fill({"dup", "x", "dup", "y", "dup", ""});
    clickEntry(2);
    clickEntry(4, Qt::ControlModifier);
    expectViewMatchesList();
    ASSERT_EQ(form->pathList().selectedCount(), 2);

    click("cmd_del");
    EXPECT_EQ(entries(), (std::vector<std::string>{"dup", "x", "y"}));
    EXPECT_EQ(text("lblnumber"), QStringLiteral("4")) << "kept, though past the end now";
    expectViewMatchesList();

    // Nothing selected: nothing but empty entries goes.
    click("cmd_del");
    EXPECT_EQ(entries(), (std::vector<std::string>{"dup", "x", "y"}));

    search("");
    click("cmd_del");
    EXPECT_TRUE(entries().empty());
}

TEST_F(EditingTest, SelectShowsTheFindArea)
{
    EXPECT_LT(form->frameGeometry().width(), 700);
    click("cmd_selshow");
    EXPECT_EQ(form->frameGeometry().width(), 704);
}

TEST_F(EditingTest, SinglePathEntryAppendsWhatWasTypedOnConfirm)
{
    auto* box = find<QLineEdit>("txt_einzelpfad");
    click("cmd_einzel");
    EXPECT_FALSE(box->isHidden());
    EXPECT_TRUE(find("cmd_einzel")->isHidden());
    EXPECT_FALSE(find("img_putin")->isHidden());
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 224, 192));

    click("img_putin");
    EXPECT_TRUE(entries().empty()) << "an empty box appends nothing";
    EXPECT_TRUE(box->isHidden());
    EXPECT_FALSE(find("cmd_einzel")->isHidden());
    EXPECT_TRUE(find("img_putin")->isHidden());

    for (int i = 0; i < 2; ++i) {
        click("cmd_einzel");
        box->setText(QStringLiteral(" /nicht/da "));
        click("img_putin");
    }
    EXPECT_EQ(entries(), (std::vector<std::string>{" /nicht/da ", " /nicht/da "}));
    EXPECT_EQ(box->text(), QStringLiteral(" /nicht/da ")) << "confirming does not clear the box";
}

TEST_F(EditingTest, AClickedEntryIsCopiedForEditingAndTheCopyAppended)
{
    fill({"/exists", "/other"});
    clickEntry(0);
    click("cmd_einzel");
    auto* box = find<QLineEdit>("txt_einzelpfad");
    EXPECT_EQ(box->text(), QStringLiteral("/exists"));

    box->setText(QStringLiteral("/exists/sub"));
    clickEntry(1);  // a click in edit mode replaces what was typed
    EXPECT_EQ(box->text(), QStringLiteral("/other"));
    box->setText(QStringLiteral("/other/sub"));
    click("img_putin");
    EXPECT_EQ(entries(), (std::vector<std::string>{"/exists", "/other", "/other/sub"}));
}

TEST_F(EditingTest, AFullListKeepsTheTypedPathInTheBox)
{
    form->pathList().assign(std::vector<std::string>(PathList::kMaxEntries, "e"));
    form->showPathList();
    click("cmd_einzel");
    find<QLineEdit>("txt_einzelpfad")->setText(QStringLiteral("/neu"));
    click("img_putin");
    EXPECT_EQ(form->pathList().count(), PathList::kMaxEntries);
    EXPECT_EQ(find<QLineEdit>("txt_einzelpfad")->text(), QStringLiteral("/neu"));
    ASSERT_EQ(dialogs.notices.size(), 1);
    EXPECT_TRUE(dialogs.notices[0].contains(QStringLiteral("voll")));
}

}  // namespace
}  // namespace dirnal::ui
