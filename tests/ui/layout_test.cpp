#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <cmath>

#include "platform/posix_directory_lister.h"
#include "support/form1_services.h"
#include "support/memory_settings.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/caption_button.h"
#include "ui/directory_list.h"
#include "ui/drive_selector.h"
#include "ui/form1.h"
#include "ui/window_font.h"

namespace dirnal::ui {
namespace {

using dirnal::testing::MemorySettings;
using dirnal::testing::ScriptedDialogs;
using dirnal::testing::TempTree;

int px(double twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

struct Expected {
    const char* name;
    const char* caption;
    const char* toolTip;
    int left, top, width, height;
    bool visible;
};

// The window as designed, written out here on purpose: a change of any
// number in the product's layout table must fail this test.
const Expected kDesigned[] = {
    {"img_ok", "", "ok", 240, 0, 495, 510, false},
    {"img_pathnotvalid", "", "Der angewählte Pfad existiert nicht !", 180, 0, 480, 480, false},
    {"lbl_okornot", "dirnal.lst Manager", "", 180, 480, 2655, 315, true},
    {"Frame1", "", "", 3000, 0, 4335, 795, true},
    {"frame_start", "", "", 3000, 720, 2475, 3495, false},
    {"Dateiauswahl", "", "", 0, 0, 2895, 3255, false},
    {"lbl_suchstartpos", nullptr, "", 60, 180, 4215, 255, true},
    {"cmd_startpos", "1. Startposition einstellen", "", 60, 480, 1995, 255, true},
    {"Command1", "2. Liste erstellen", "Listenerstellung starten", 2220, 480, 2055, 255, true},
    {"txt_einzelpfad", "", "", 60, 120, 6855, 285, false},
    {"cmd_einzel", "Einzeln hinzufügen / bearbeiten", "", 0, 540, 1455, 495, true},
    {"img_putin", "", "", 6900, 0, 495, 510, false},
    {"cmd_del", "", "delete this one", 1560, 600, 360, 360, true},
    {"cmd_DOS", "DOS", "", 2040, 480, 495, 255, true},
    {"cmd_vista", "", "", 2040, 840, 285, 180, true},
    {"cmd_rel", "relativ zur Startposition", "", 2580, 480, 1815, 255, true},
    {"cmd_DirtoUNC", "UNC", "", 2400, 780, 555, 255, true},
    {"cmd_UNCtoDir", "no UNC", "", 3000, 780, 675, 255, true},
    {"cmd_selshow", "select", "", 3720, 780, 675, 255, true},
    {"cmd_saveplace", "dirnal.lst Speicherort", "", 4500, 540, 1755, 495, true},
    {"img_save", "", "Speichern", 6300, 540, 465, 435, true},
    {"img_Exit", "", "EXIT", 6840, 540, 480, 480, true},
    {"lblStatus", "Status", "", 0, 1080, 1575, 255, true},
    {"lblnumber", "", "", 1620, 1080, 735, 255, true},
    {"lbl_file", nullptr, "", 2400, 1080, 4935, 255, true},
    {"Label4", "", "", 0, 1380, 7395, 255, false},
    {"Label2", "Pfade die diesen Namen enthalten selektieren:", "", 7680, 120, 2055, 435, true},
    {"txt_find", "", "", 7680, 540, 2415, 315, true},
    {"cmd_deletethis", "selection", "", 7680, 900, 2415, 315, true},
    {"Drive1", nullptr, "", 120, 120, 2055, 315, true},
    {"Label1", "Startposition für Generierung", "", 120, 480, 2115, 195, true},
    {"Dir1", nullptr,
     "Wählen Sie hier das Haupt-Verzeichnis deren Unterverzeichnisse in die Datei dirnal.lst eingetragen werden "
     "sollen !",
     120, 720, 2055, 2340, true},
    {"cmd_okstartpos", "ok", "", 120, 3120, 2055, 315, true},
    {"lbl_exitstart", "X", "", 2160, 120, 255, 255, true},
    {"Label5", " dirnal.lst Browser ", "", 480, 0, 1755, 255, true},
    {"lbl_X", "X", "", 2640, 0, 255, 255, true},
    {"Drive_file", nullptr, "", 120, 360, 2655, 315, true},
    {"Dir_file", nullptr, "", 120, 720, 2655, 2115, true},
    {"File_file", nullptr, "", 120, 2880, 2655, 285, true},
    {"cmd_hier", "speichern", "", 300, 2880, 2235, 255, false},
};

class LayoutTest : public ::testing::Test {
protected:
    LayoutTest()
        : form(dirnal::testing::servicesFor(settings, disk, dialogs, tree.mkdir("start"), [this] { return drives; }))
    {
    }

    template <typename T = QWidget>
    T* find(const char* name)
    {
        T* widget = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Sizes are outer sizes, window frame included, as the rule reads them.
    void resizeOuter(int width, int height)
    {
        const QSize frame = form.frameGeometry().size() - form.size();
        form.resize(width - frame.width(), height - frame.height());
        QCoreApplication::processEvents();
    }

    void expectLaidOutFor(int outerWidth, int outerHeight)
    {
        const double w = outerWidth * 15.0;
        const double h = outerHeight * 15.0;
        EXPECT_EQ(find("List1")->geometry(), QRect(px(180), px(840), px(w - 350.52), px(h - 3180)));
        EXPECT_EQ(find("Frame3")->y(), px(h - 2265));
        EXPECT_EQ(find("Frame3")->x(), px(120));
    }

    TempTree tree;
    PosixDirectoryLister disk;
    MemorySettings settings;
    ScriptedDialogs dialogs;
    std::vector<std::string> drives{"/"};
    Form1 form;
};

TEST_F(LayoutTest, EveryControlStandsAtItsPlaceWithItsCaptionTooltipAndVisibility)
{
    for (const Expected& control : kDesigned) {
        QWidget* widget = find(control.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QRect(px(control.left), px(control.top), px(control.width), px(control.height)))
            << control.name;
        EXPECT_EQ(!widget->isHidden(), control.visible) << control.name;
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(control.toolTip)) << control.name;
        if (!control.caption)
            continue;
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(widget))
            caption = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            caption = button->text();
        EXPECT_EQ(caption, QString::fromUtf8(control.caption)) << control.name;
    }
    EXPECT_EQ(find<QWidget>("Frame1")->property("title").toString(), QStringLiteral("Generator"));
    // Drawn at the start width, the list and the tool area follow the rule.
    EXPECT_EQ(find("List1")->x(), px(180));
    EXPECT_EQ(find("List1")->width(), px(form.frameGeometry().width() * 15.0 - 350.52));
}

TEST_F(LayoutTest, TheMenuBarHoldsItsThreeMenusAndTheirEntries)
{
    QStringList titles;
    for (QAction* action : form.menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{"Datei", "Optionen", "INFO"}));

    const auto entries = [this](const char* menu) {
        QStringList texts;
        for (QAction* action : find<QMenu>(menu)->actions())
            texts << action->text();
        return texts;
    };
    EXPECT_EQ(entries("datei"), (QStringList{"Öffnen", "speichern", "speichern unter...", "EXIT"}));
    EXPECT_EQ(entries("option"),
              (QStringList{"Such-Startposition einstellen", "dirnal.lst Speicherort festlegen",
                           "vorige Eingabe einstellen", "doppelte Einträge löschen", "Dir to UNC", "UNC to Dir",
                           "relativ zur Startposition"}));
}

TEST_F(LayoutTest, EveryCaptionFitsItsBoxInTheInstalledFonts)
{
    EXPECT_EQ(QFontInfo(windowFont()).family(), QStringLiteral("Liberation Sans"))
        << "the font package is missing";
    EXPECT_EQ(QFontInfo(find("lbl_okornot")->font()).family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(find("lbl_okornot")->font().bold());
    EXPECT_EQ(find("cmd_DOS")->font().pointSizeF(), 6.0);

    for (const Expected& control : kDesigned) {
        if (!control.caption || !*control.caption)
            continue;
        QWidget* widget = find(control.name);
        QRect area;
        int flags = CaptionButton::kCaptionFlags;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            area = label->contentsRect();
            flags = static_cast<int>(label->alignment()) | Qt::TextWordWrap;
        } else if (qobject_cast<QToolButton*>(widget)) {
            area = widget->rect().adjusted(1, 1, -1, -1);
        } else {
            area = CaptionButton::captionArea(widget->rect());
        }
        const QFontMetrics metrics(widget->font());
        const QRect needed = metrics.boundingRect(area, flags, QString::fromUtf8(control.caption));
        EXPECT_LE(needed.width(), area.width()) << control.name;
        EXPECT_LE(needed.height(), area.height()) << control.name;
    }
}

TEST_F(LayoutTest, ResizingSnapsToTheSmallestSizeAndFitsListAndToolArea)
{
    form.show();
    QCoreApplication::processEvents();
    // Started 7620 twips wide.
    EXPECT_EQ(form.frameGeometry().width(), 508);

    resizeOuter(300, 200);
    EXPECT_EQ(form.frameGeometry().size(), QSize(508, 414)) << "7620 x 6200 twips, rounded up";
    expectLaidOutFor(508, 414);

    for (const QSize size : {QSize(640, 480), QSize(777, 555), QSize(509, 1000)}) {
        resizeOuter(size.width(), size.height());
        EXPECT_EQ(form.frameGeometry().size(), size);
        expectLaidOutFor(size.width(), size.height());
    }

    find<QAbstractButton>("cmd_selshow")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.frameGeometry().width(), 704) << "10560 twips";
    expectLaidOutFor(704, 1000);
    EXPECT_LE(find("cmd_deletethis")->mapTo(&form, QPoint(find("cmd_deletethis")->width(), 0)).x(), 704)
        << "the find area is in view";
}

TEST_F(LayoutTest, MaximisedAndMinimisedTheLayoutStaysAsItWas)
{
    form.show();
    resizeOuter(600, 450);
    const QRect list = find("List1")->geometry();
    const QRect tools = find("Frame3")->geometry();

    form.showMaximized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(form.isMaximized());
    EXPECT_EQ(find("List1")->geometry(), list);
    EXPECT_EQ(find("Frame3")->geometry(), tools);

    form.showNormal();
    QCoreApplication::processEvents();
    resizeOuter(650, 500);
    expectLaidOutFor(650, 500);
    const QRect before = find("List1")->geometry();

    form.showMinimized();
    QCoreApplication::processEvents();
    form.showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(find("List1")->geometry(), before);
}

TEST_F(LayoutTest, TheStartPositionPanelTakesOverTheOpenDirectoryOnlyWithOk)
{
    auto* panel = find("frame_start");
    auto* dir1 = find<DirectoryList>("Dir1");
    auto* startPosition = find<QLabel>("lbl_suchstartpos");
    dir1->setPath(tree.path("start"));
    find<QAbstractButton>("cmd_okstartpos")->click();
    const QString before = startPosition->text();
    EXPECT_EQ(before, QString::fromStdString(tree.path("start")));

    find<QAbstractButton>("cmd_startpos")->click();
    EXPECT_FALSE(panel->isHidden());
    find<QAbstractButton>("cmd_okstartpos")->click();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(startPosition->text(), before) << "ok without navigating";

    find<QAbstractButton>("cmd_startpos")->click();
    dir1->setPath(tree.mkdir("start/sub"));
    find<QAbstractButton>("lbl_exitstart")->click();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(startPosition->text(), before) << "X takes nothing over";
    EXPECT_EQ(dir1->path(), tree.path("start/sub")) << "but Dir1 stays where it was left";

    form.findChild<QAction*>(QStringLiteral("optionens_0"))->trigger();
    EXPECT_FALSE(panel->isHidden());
    dir1->setPath("/");
    find<QAbstractButton>("cmd_okstartpos")->click();
    EXPECT_EQ(startPosition->text(), QStringLiteral("/")) << "a root keeps its separator";

    find<QAbstractButton>("cmd_startpos")->click();
    dir1->setPath(tree.path("start") + "/");
    find<QAbstractButton>("cmd_okstartpos")->click();
    EXPECT_EQ(startPosition->text(), QString::fromStdString(tree.path("start"))) << "a directory has none";
}

TEST_F(LayoutTest, PickingADriveMovesDir1ToIt)
{
    const std::string usb = tree.mkdir("usb");
    drives = {"/", usb};
    Form1 window(dirnal::testing::servicesFor(settings, disk, dialogs, tree.path("start"), [this] { return drives; }));
    auto* drive1 = window.findChild<DriveSelector*>(QStringLiteral("Drive1"));
    auto* dir1 = window.findChild<DirectoryList*>(QStringLiteral("Dir1"));
    auto* startPosition = window.findChild<QLabel*>(QStringLiteral("lbl_suchstartpos"));
    const QString before = startPosition->text();

    drive1->setCurrentIndex(1);
    EXPECT_EQ(dir1->path(), usb);
    EXPECT_EQ(startPosition->text(), before) << "only ok changes the start position";

    std::filesystem::remove(usb);
    drive1->setCurrentIndex(0);
    drive1->setCurrentIndex(1);
    EXPECT_EQ(drive1->drive(), "/");
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblStatus"))->text(),
              QStringLiteral("Laufwerk nicht verfügbar !"));
}

}  // namespace
}  // namespace dirnal::ui
