// Layout faults a user would see: misplaced or unnamed controls, cut-off captions, resizing, the information window.
#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QToolButton>

#include "core/messages.h"
#include "support/form1_fixture.h"
#include "ui/caption_button.h"
#include "ui/fitting_label.h"
#include "ui/form1_ui.h"
#include "ui/form2.h"
#include "ui/twips.h"
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
    for (QWidget* widget : form->centralWidget()->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(?!qt_)\\w+$")))) {
        const QWidget* frame = widget->parentWidget();
        if (frame != form->centralWidget()) {
            EXPECT_TRUE(frame->rect().contains(widget->geometry())) << widget->objectName().toStdString();
        }
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
        const QString caption = widget->property("text").toString();
        const QRect needed = QFontMetrics(widget->font()).boundingRect(area, flags, caption);
        EXPECT_TRUE(needed.width() <= area.width() && needed.height() <= area.height()) << widget->objectName().toStdString();
    }
}

TEST_F(LayoutTest, EveryStatusTextIsShownWholeInASmallerFontOrCutShortWithTheWholeTextInTooltipAndName)
{
    auto* status = find<FittingLabel>("lblStatus");
    const Messages m;
    QStringList texts;
    for (const std::string& text : {m.statusInitial(), m.entryExists(), m.entryMissing(), m.deleting(), m.noContent(),
                                    m.deletingDoubles(), m.fileSavedStatus(), m.readingFile(), m.driveUnavailable(),
                                    m.directoriesFound(PathList::kMaxEntries), m.total(PathList::kMaxEntries)})
        texts << QString::fromStdString(text);
    for (const QString& whole : texts) {
        status->setText(whole);
        EXPECT_GE(status->shownFont().pointSizeF(), FittingLabel::kSmallestPointSize);
        EXPECT_LE(QFontMetrics(status->shownFont()).horizontalAdvance(status->shownText()),
                  status->contentsRect().width()) << qPrintable(whole);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name), whole);
        if (status->shownText() != whole) {
            EXPECT_TRUE(status->toolTip() == whole && status->shownText().endsWith(QChar(0x2026))) << qPrintable(whole);
        }
    }
    form->session().reportDriveUnavailable();
    EXPECT_EQ(status->shownText(), QString::fromStdString(m.driveUnavailable())) << "whole, in a smaller font";
    EXPECT_TRUE(status->toolTip().isEmpty());
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
        EXPECT_EQ(find("List1")->geometry(), QRect(12, 56, expected.width() - 23, expected.height() - 212));
        EXPECT_EQ(find("Frame3")->pos(), QPoint(8, expected.height() - 151));
    }
    click("cmd_selshow");
    EXPECT_EQ(form->frameGeometry().width(), 704) << "10560 twips show the find area";
}

TEST_F(LayoutTest, TheInformationWindowOpensBesideTheWindowWhereThereIsRoomAndSlidesOpenOnce)
{
    EXPECT_EQ(informationWindowLeft(0, 12000, 1000, 5480), 6480);
    EXPECT_EQ(informationWindowLeft(0, 12000, 1001, 5480), 0) << "one twip less room: the screen's left edge";
    form->show();
    menu("info");
    QPointer<Form2> window;
    for (QWidget* widget : QApplication::topLevelWidgets())
        window = window ? window.data() : qobject_cast<Form2*>(widget);
    ASSERT_TRUE(window);
    const int steps = window->slideSteps();
    EXPECT_GT(steps, 5);
    EXPECT_NEAR(window->frameGeometry().width() * 15.0, Form2::kDesignWidthTwips, 200 + 7.5);
    menu("info");
    EXPECT_EQ(window->slideSteps(), steps) << "shown again, not slid open again";
    menu("dateis_3");  // "EXIT" closes it too
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace dirnal::ui
