#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "support/fake_lister.h"
#include "support/form1_services.h"
#include "support/memory_settings.h"
#include "support/scripted_dialogs.h"
#include "ui/form1.h"
#include "ui/form2.h"

namespace dirnal::ui {
namespace {

using dirnal::testing::FakeLister;
using dirnal::testing::MemorySettings;
using dirnal::testing::ScriptedDialogs;

TEST(InformationWindowPlacement, BesideTheMainWindowOnlyWithRoomForIt)
{
    // Screen 12000 twips wide; the main window ends at 6480: 5520 of room.
    EXPECT_EQ(informationWindowLeft(0, 12000, 1000, 5480), 6480);
    EXPECT_EQ(informationWindowLeft(0, 12000, 1001, 5480), 0) << "one twip less";
    // On a second screen the left edge is that screen's.
    EXPECT_EQ(informationWindowLeft(19200, 12000, 20000, 5000), 25000);
    EXPECT_EQ(informationWindowLeft(19200, 12000, 24000, 5000), 19200);
}

class InformationTest : public ::testing::Test {
protected:
    InformationTest()
    {
        fs.addDirectory("/start");
        Form1Services services = dirnal::testing::servicesFor(settings, fs, dialogs, "/start");
        services.openPage = [this](const std::string& page) {
            opened.push_back(page);
            return false;
        };
        form = std::make_unique<Form1>(services);
        form->show();
        QCoreApplication::processEvents();
    }

    static QList<Form2*> informationWindows()
    {
        QList<Form2*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<Form2*>(widget); window && window->isVisible())
                windows << window;
        }
        return windows;
    }
    Form2* info()
    {
        form->findChild<QAction*>(QStringLiteral("info"))->trigger();
        const auto windows = informationWindows();
        EXPECT_EQ(windows.size(), 1);
        return windows.value(0);
    }
    // Moves the main window so that its outer right edge is at x.
    void mainWindowEndsAt(int x)
    {
        form->move(x - form->frameGeometry().width(), 40);
        QCoreApplication::processEvents();
        // Where the frame really went depends on the window system.
        form->move(form->pos() + QPoint(x - (form->frameGeometry().right() + 1), 0));
        QCoreApplication::processEvents();
        ASSERT_EQ(form->frameGeometry().right() + 1, x);
    }

    FakeLister fs{PathStyle::Posix};
    MemorySettings settings;
    ScriptedDialogs dialogs;
    std::vector<std::string> opened;
    std::unique_ptr<Form1> form;
};

TEST_F(InformationTest, OpensBesideTheMainWindowWithItsTexts)
{
    const int screenRight = form->screen()->geometry().right() + 1;
    mainWindowEndsAt(screenRight - 368);  // exactly 5520 twips of room
    Form2* window = info();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("INFO"));
    EXPECT_EQ(window->frameGeometry().left(), screenRight - 368);
    EXPECT_EQ(window->frameGeometry().top(), form->frameGeometry().top());

    const auto label = [window](const char* name) {
        return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    EXPECT_EQ(label("Label1"), QStringLiteral("dirnal.lst Manager 3.61"));
    EXPECT_EQ(label("Label6"), QStringLiteral("Details:"));
    EXPECT_FALSE(label("Label2").isEmpty());
    EXPECT_FALSE(label("Label3").isEmpty());
    EXPECT_TRUE(label("Label4").contains(u'@'));
    EXPECT_TRUE(label("Label5").startsWith(QStringLiteral("https://")));
    EXPECT_EQ(window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText().count(u'\n'), 5)
        << "six lines";
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("OK"));
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Command1"))->geometry(), QRect(152, 248, 89, 25));
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Picture1"))->geometry(), QRect(240, 8, 105, 81));
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Label5"))->cursor().shape(), Qt::PointingHandCursor);
    window->close();
}

TEST_F(InformationTest, WithoutRoomItOpensAtTheScreensLeftEdge)
{
    const int screenRight = form->screen()->geometry().right() + 1;
    mainWindowEndsAt(screenRight - 367);
    Form2* window = info();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->frameGeometry().left(), form->screen()->geometry().left());
    EXPECT_EQ(window->frameGeometry().top(), form->frameGeometry().top());
    window->close();
}

TEST_F(InformationTest, SlidesOpenToTheDesignWidthOnceAndAgainAfterOk)
{
    QPointer<Form2> first = info();
    ASSERT_TRUE(first);
    EXPECT_GT(first->slideSteps(), 5);
    const double width = first->frameGeometry().width() * 15.0;
    EXPECT_GE(width, Form2::kDesignWidthTwips - 7.5);
    EXPECT_LT(width, Form2::kDesignWidthTwips + 200 + 7.5);

    // Shown again, not made anew, placed anew or slid open again.
    first->move(first->x() + 30, first->y());
    const QPoint moved = first->pos();
    EXPECT_EQ(info(), first.data());
    EXPECT_EQ(first->pos(), moved);

    first->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()) << "OK discards the window";

    QPointer<Form2> second = info();
    ASSERT_TRUE(second);
    EXPECT_GT(second->slideSteps(), 5);
    second->close();
}

TEST_F(InformationTest, TheLinkOpensTheDownloadPage)
{
    Form2* window = info();
    ASSERT_NE(window, nullptr);
    auto* link = window->findChild<QLabel*>(QStringLiteral("Label5"));
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(QString::fromStdString(opened[0]), link->text());
    EXPECT_TRUE(window->isVisible()) << "a browser that does not start is not reported";
    window->close();
}

TEST_F(InformationTest, ExitClosesTheInformationWindowToo)
{
    QPointer<Form2> window = info();
    form->findChild<QAction*>(QStringLiteral("dateis_3"))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace dirnal::ui
