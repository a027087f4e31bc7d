#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>

#include "support/fake_lister.h"
#include "support/form1_fixture.h"
#include "support/form1_services.h"
#include "support/memory_settings.h"
#include "support/scripted_dialogs.h"
#include "ui/directory_list.h"
#include "ui/form1.h"

namespace dirnal::ui {
namespace {

using dirnal::testing::FakeLister;
using dirnal::testing::MemorySettings;
using dirnal::testing::ScriptedDialogs;
using Entries = std::vector<std::string>;

class ConversionsTest : public dirnal::testing::Form1Fixture {
protected:
    ConversionsTest()
    {
        for (const char* dir : {"/start", "/Programme/Konstruktion", "/PROGRA~1/KONSTR~1", "/stored/a", "/stored/b"})
            fs.addDirectory(dir);
        settings.values[settings_keys::kStartDirectory] = "/start";
        Form1Services services = dirnal::testing::servicesFor(settings, fs, dialogs, "/start");
        services.shortName = [](const std::string& p) {
            return p == "/Programme/Konstruktion" ? std::string("/PROGRA~1/KONSTR~1") : p;
        };
        services.longName = [](const std::string& p) {
            return p == "/PROGRA~1/KONSTR~1" ? std::string("/Programme/Konstruktion") : p;
        };
        form = std::make_unique<Form1>(services);
    }

    void option(int item) const { menu(QStringLiteral("optionens_%1").arg(item)); }

    FakeLister fs{PathStyle::Posix};
};

TEST_F(ConversionsTest, TheShareButtonsSwapButTheMenuLeavesThemAsTheyAre)
{
    fill({"/a/", "/b//", "/", "rel"});
    ASSERT_TRUE(shown("cmd_DirtoUNC"));
    ASSERT_TRUE(shown("cmd_UNCtoDir"));

    click("cmd_DirtoUNC");
    EXPECT_FALSE(shown("cmd_DirtoUNC"));
    EXPECT_TRUE(shown("cmd_UNCtoDir"));
    EXPECT_EQ(entries(), (Entries{"/a", "/b/", "/", "rel"})) << "no shares here: one separator goes";
    EXPECT_EQ(text("lbl_suchstartpos"), QStringLiteral("/start"));

    option(4);
    EXPECT_EQ(entries(), (Entries{"/a", "/b", "/", "rel"})) << "a second run takes the next separator";
    option(5);
    EXPECT_FALSE(shown("cmd_DirtoUNC"));
    EXPECT_TRUE(shown("cmd_UNCtoDir"));

    click("cmd_UNCtoDir");
    EXPECT_TRUE(shown("cmd_DirtoUNC"));
    EXPECT_FALSE(shown("cmd_UNCtoDir"));
    EXPECT_EQ(form->pathList().count(), 4);
}

TEST_F(ConversionsTest, TheDosButtonSwitchesBetweenShortAndLongNames)
{
    auto* dos = find<QAbstractButton>("cmd_DOS");
    click("cmd_DOS");
    EXPECT_EQ(dos->text(), QStringLiteral("WIN")) << "also on an empty list";
    click("cmd_DOS");
    EXPECT_EQ(dos->text(), QStringLiteral("DOS"));

    fill({"\"/Programme/Konstruktion\"", "/gibt/es/nicht", "\"/gibt/es/nicht\""});
    click("cmd_DOS");
    EXPECT_EQ(dos->text(), QStringLiteral("WIN"));
    EXPECT_EQ(entries(), (Entries{"/PROGRA~1/KONSTR~1", "/gibt/es/nicht", "/gibt/es/nicht"}));
    click("cmd_DOS");
    EXPECT_EQ(dos->text(), QStringLiteral("DOS"));
    EXPECT_EQ(entries(), (Entries{"/Programme/Konstruktion", "/gibt/es/nicht", "/gibt/es/nicht"}));
}

TEST_F(ConversionsTest, TheQuoteImageTogglesQuotes)
{
    fill({"/a", "", "\"/b\""});
    click("cmd_vista");
    EXPECT_EQ(entries(), (Entries{"\"/a\"", "", "/b"}));
    click("cmd_vista");
    EXPECT_EQ(entries(), (Entries{"/a", "", "\"/b\""}));
}

TEST_F(ConversionsTest, RelativeToTheStartPositionOnlyAfterYes)
{
    const QString question = QStringLiteral("diese Änderung kann nicht rückgängig gemacht werden ! weiter ?");
    fill({"/start/parts", "/start/parts/std", "/startx/a", "/other"});

    dialogs.answers = {false};
    click("cmd_rel");
    EXPECT_EQ(dialogs.questions, QStringList{question});
    EXPECT_EQ(entries(), (Entries{"/start/parts", "/start/parts/std", "/startx/a", "/other"}));

    dialogs.answers = {true};
    option(6);
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(entries(), (Entries{"parts", "parts/std", "/startx/a", "/other"}));

    fill({});
    dialogs.answers = {true};
    click("cmd_rel");
    EXPECT_EQ(dialogs.questions.size(), 3) << "asked even with nothing to change";
}

TEST_F(ConversionsTest, PreviousInputRestoresWhatWasStoredButNotTheStartPosition)
{
    settings.values[settings_keys::kListFile] = "/proj/dirnal.lst";
    settings.values[settings_keys::kStartDirectory] = "/stored/a";
    settings.values[settings_keys::kListFileDirectory] = "/gone";
    find<DirectoryList>("Dir_file")->setPath("/stored/b");

    option(2);

    EXPECT_EQ(text("lbl_file"), QStringLiteral("/proj/dirnal.lst")) << "as stored, whatever Dir_file shows";
    EXPECT_EQ(find<DirectoryList>("Dir1")->path(), "/stored/a");
    EXPECT_EQ(text("lbl_suchstartpos"), QStringLiteral("/start"));
    EXPECT_EQ(find<DirectoryList>("Dir_file")->path(), "/stored/b") << "a folder that is gone is skipped";
    EXPECT_EQ(text("lblStatus"), QStringLiteral("Status"));
}

TEST_F(ConversionsTest, DeleteDoubleEntriesFromTheMenu)
{
    option(3);
    EXPECT_EQ(text("lblStatus"), QStringLiteral("kein Inhalt"));

    fill({"C:\\a", "C:\\b", "C:\\a", "c:\\A", "C:\\b", "", "", "mapkey x", "mapkey x"});
    form->pathList().setSelected(1, true);
    form->showPathList();
    option(3);
    EXPECT_EQ(text("lblStatus"), QStringLiteral("delete double"));
    EXPECT_EQ(entries(), (Entries{"C:\\a", "C:\\b", "c:\\A", "", "", "mapkey x", "mapkey x"}));
    EXPECT_EQ(form->pathList().selectedCount(), 0);
}

}  // namespace
}  // namespace dirnal::ui
