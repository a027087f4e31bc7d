// What a user sees: controls within their frames, whole captions, status texts that fit, resizing, the information
// window, focus marks and colours in any style and theme, and the window in the user's language (German as written for
// those who read German, English for others).
#include <QAccessible>
#include <QCoreApplication>
#include <QFontInfo>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QToolButton>
#include <QTranslator>

#include <functional>

#include "core/messages.h"
#include "support/form1_fixture.h"
#include "support/screen_reader.h"
#include "ui/caption_button.h"
#include "ui/fitting_label.h"
#include "ui/form2.h"
#include "ui/translations.h"
#include "ui/window_font.h"

namespace dirnal::ui {
namespace {

class LayoutTest : public testing::Form1Fixture {
protected:
    void SetUp() override { open(tree.root()); }
};

TEST_F(LayoutTest, EveryControlLiesWithinItsFrameAndShowsItsWholeCaptionInTheChosenFont)
{
    ASSERT_EQ(QFontInfo(windowFont()).family(), QStringLiteral("Liberation Sans")) << "the font package is missing";
    click("cmd_selshow");  // the find area in view
    const QWidget* client = form->centralWidget();
    for (QWidget* widget : client->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(?!qt_)\\w+$")))) {
        const std::string name = widget->objectName().toStdString();
        EXPECT_TRUE(widget->parentWidget() == client || widget->parentWidget()->rect().contains(widget->geometry())) << name;
        QRect area = CaptionButton::captionArea(widget->rect());
        int flags = CaptionButton::kCaptionFlags;
        if (qobject_cast<FittingLabel*>(widget)) {
            continue;  // fits its text itself, below
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            area = label->contentsRect();
            flags = static_cast<int>(label->alignment()) | Qt::TextWordWrap;
        } else if (qobject_cast<QToolButton*>(widget)) {
            area = widget->rect().adjusted(1, 1, -1, -1);
        } else if (!qobject_cast<CaptionButton*>(widget)) {
            continue;
        }
        const QRect needed = QFontMetrics(widget->font()).boundingRect(area, flags, widget->property("text").toString());
        EXPECT_TRUE(needed.width() <= area.width() && needed.height() <= area.height()) << name;
    }
}

TEST_F(LayoutTest, EveryStatusTextIsShownWholeInASmallerFontOrCutShortWithTheWholeTextInTooltipAndName)
{
    auto* status = find<FittingLabel>("lblStatus");
    const Messages m;
    for (const std::string& text : {m.statusInitial(), m.entryExists(), m.entryMissing(), m.deleting(), m.noContent(),
                                    m.deletingDoubles(), m.fileSavedStatus(), m.readingFile(), m.driveUnavailable(),
                                    m.directoriesFound(PathList::kMaxEntries), m.total(PathList::kMaxEntries)}) {
        const QString whole = QString::fromStdString(text);
        status->setText(whole);
        EXPECT_TRUE(status->shownFont().pointSizeF() >= FittingLabel::kSmallestPointSize &&
                    QFontMetrics(status->shownFont()).horizontalAdvance(status->shownText()) <= status->contentsRect().width())
            << qPrintable(whole);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name), whole);
        if (status->shownText() != whole) {
            EXPECT_TRUE(status->toolTip() == whole && status->shownText().endsWith(QChar(0x2026))) << qPrintable(whole);
        }
    }
    form->session().reportDriveUnavailable();
    EXPECT_TRUE(status->shownText() == QString::fromStdString(m.driveUnavailable()) && status->toolTip().isEmpty())
        << "whole, in a smaller font";
}

TEST_F(LayoutTest, ResizingSnapsToTheSmallestSizeAndFitsListAndToolArea)
{
    form->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->frameGeometry().width(), 508) << "started 7620 twips wide";
    for (const QSize outer : {QSize(300, 200), QSize(640, 480), QSize(777, 555)}) {
        form->resize(outer - (form->frameGeometry().size() - form->size()));
        QCoreApplication::processEvents();
        const QSize expected = outer.expandedTo(QSize(508, 414));  // 7620 x 6200 twips, rounded up
        EXPECT_EQ(form->frameGeometry().size(), expected);
        // The list at 180, 840 twips, 350.52 narrower and 3180 lower; the tools 2265 above the bottom.
        EXPECT_EQ(std::pair(find("List1")->geometry(), find("Frame3")->pos()),
                  std::pair(QRect(12, 56, expected.width() - 23, expected.height() - 212), QPoint(8, expected.height() - 151)));
    }
    click("cmd_selshow");
    EXPECT_EQ(form->frameGeometry().width(), 704) << "10560 twips show the find area";
}

TEST_F(LayoutTest, TheInformationWindowOpensBesideTheWindowWhereThereIsRoomAndSlidesOpenOnceAndLinksTheDocumentation)
{
    std::vector<std::string> opened;
    services.openPage = [&](const std::string& page) { return opened.push_back(page), true; };
    services.documentationPage = "/usr/share/doc/dirnal-lst-manager/README.html";
    open(services.initialDirectory);  // anew, with these services
    EXPECT_EQ(informationWindowLeft(0, 12000, 1000, 5480), 6480);
    EXPECT_EQ(informationWindowLeft(0, 12000, 1001, 5480), 0) << "one twip less room: the screen's left edge";
    form->show();
    menu("info");
    QPointer<Form2> window;
    for (QWidget* widget : QApplication::topLevelWidgets())
        window = window ? window.data() : qobject_cast<Form2*>(widget);
    ASSERT_TRUE(window);
    const int steps = window->slideSteps();
    EXPECT_GT(steps, 5) << "slid open";
    auto* link = window->findChild<QLabel*>(QStringLiteral("Label5"));
    ASSERT_TRUE(link && link->text() == QString::fromStdString(services.documentationPage));
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(opened, std::vector{services.documentationPage});
    EXPECT_NEAR(window->frameGeometry().width() * 15.0, Form2::kDesignWidthTwips, 200 + 7.5);
    menu("info");
    EXPECT_EQ(window->slideSteps(), steps) << "shown again, not slid open again";
    menu("dateis_3");  // "EXIT" closes it too
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull() && !form->isVisible());
}

TEST_F(LayoutTest, EveryKindOfControlShowsWhenItHasTheFocusInTheWindowsStyleToo)
{
    const QString style = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(find("List1"), Qt::Key_Tab);  // the style shows focus marks once the keyboard has moved the focus
    for (const char* control : {"List1", "cmd_startpos", "cmd_DOS", "img_Exit"}) {  // the list empty
        find("txt_find")->setFocus();
        const QImage unfocused = find(control)->grab().toImage();
        find(control)->setFocus();
        EXPECT_NE(find(control)->grab().toImage(), unfocused) << control;
    }
    QApplication::setStyle(QStyleFactory::create(style));
}

bool standsOut(const QColor& a, const QColor& b)
{
    return std::abs(a.lightness() - b.lightness()) > 100;
}

int pixelsWhere(const QImage& image, const std::function<bool(const QColor&)>& test)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixelColor(x, y));
    return count;
}

TEST_F(LayoutTest, OnADarkThemeTheListsKeepTheirColoursWithoutTheFocusAndTextsAndPicturesStandOut)
{
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x30, 0x30, 0x30));
    for (const auto& [role, colour] : {std::pair{QPalette::WindowText, Qt::white}, {QPalette::Text, Qt::white},
                                        {QPalette::Base, Qt::black}, {QPalette::Highlight, Qt::darkBlue}})
        dark.setColor(role, colour);
    // As themes have it: an unfocused list's text greyed, its selection faded to the background.
    dark.setColor(QPalette::Inactive, QPalette::Text, QColor(0x60, 0x60, 0x60));
    dark.setColor(QPalette::Inactive, QPalette::Highlight, Qt::black);
    QApplication::setPalette(dark);
    fill({"a", "b", "c"});
    form->session().selectEntries({{1, 1, true}});
    click("cmd_startpos");
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (const char* name : {"List1", "Dir1"}) {
        auto* list = find<QListView>(name);
        const QModelIndex selected = list->selectionModel()->selectedIndexes().value(0);
        list->setFocus();
        int free = 0;  // neither selected nor current, so that the focus leaves it as it was
        while (free == selected.row() || free == list->currentIndex().row())
            ++free;
        const QModelIndex other = list->model()->index(free, 0);
        const QImage focused = list->viewport()->grab(list->visualRect(other)).toImage();
        find("txt_find")->setFocus();
        EXPECT_EQ(list->viewport()->grab(list->visualRect(other)).toImage(), focused) << name;
        const QImage row = list->viewport()->grab(list->visualRect(selected)).toImage();
        EXPECT_GT(pixelsWhere(row, [](const QColor& c) { return c == Qt::darkBlue; }), row.width() * row.height() / 2)
            << name;
    }
    const struct { const char* control; QPalette::ColorRole text, back; } fixed[] = {
        {"frame_start", QPalette::WindowText, QPalette::Window}, {"Dateiauswahl", QPalette::WindowText, QPalette::Window},
        {"txt_einzelpfad", QPalette::Text, QPalette::Base}};
    for (const auto& [control, text, back] : fixed) {
        const QPalette& colours = find(control)->palette();
        EXPECT_TRUE(standsOut(colours.color(text), colours.color(back))) << control;
    }
    const QImage exit = find("img_Exit")->grab().toImage();
    EXPECT_GT(pixelsWhere(exit, [&](const QColor& c) { return standsOut(c, dark.color(QPalette::Window)); }), exit.width())
        << "the exit picture seen on the dark background";
    QApplication::setPalette(before);
}

using TranslationTest = testing::Form1Fixture;

void useLanguage(const char* locale)
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    if (locale)
        installTranslations(*QCoreApplication::instance(), QLocale(QString::fromLatin1(locale)));
}

TEST_F(TranslationTest, GermanReadersSeeTheTextsAsWrittenEveryoneElseEnglishAndQtsButtonsTheSystemLanguage)
{
    // A caption, a menu item, the status, a question and a notice.
    const std::vector<std::string> english{"1. Set start position", "save as...", "does not exist !",
                                           "Do you want to delete the existing list ?", "Choose a file first !"};
    const struct {
        const char* locale;
        std::vector<std::string> texts;
        const char* yes;  // nullptr: as Qt has it for the language
    } cases[] = {
        {"de_DE", {"1. Startposition einstellen", "speichern unter...", "existiert nicht !",
                   "Wollen Sie die bestehende Liste löschen ?", "Zuerst Datei auswählen !"}, "&Ja"},
        {"en_US", english, "&Yes"}, {"fr_FR", english, nullptr},
    };
    for (const auto& c : cases) {
        useLanguage(c.locale);
        dialogs = {};
        open(tree.root());
        fill({tree.path("fehlt")});
        clickRow("List1", 0);
        const std::string status = text("lblStatus");
        click("Command1");  // asks whether the list goes
        form->session().readChosenListFile(tree.root(), "", dialogs);
        EXPECT_EQ((std::vector<std::string>{text("cmd_startpos"), testing::ScreenReader::nameOf(find<QAction>("dateis_2")).toStdString(),
                                            status, dialogs.questions.at(0), dialogs.notices.back()}),
                  c.texts)
            << c.locale;
        EXPECT_TRUE(!c.yes || QCoreApplication::translate("QPlatformTheme", "&Yes") == QString::fromUtf8(c.yes));
        if (std::string(c.locale) == "de_DE")
            continue;
        // Every text shown or told to a screen reader, the menus' included: none German.
        QStringList shown{form->windowTitle()};
        for (const QWidget* widget : form->findChildren<QWidget*>())
            shown << widget->property("text").toString() << widget->toolTip() << widget->accessibleName();
        for (const QAction* action : form->findChildren<QAction*>())
            shown << action->text();
        for (const QString& text : shown)
            EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß]")))) << text.toStdString();
    }
    useLanguage(nullptr);
}

}  // namespace
}  // namespace dirnal::ui
