// The window in the user's language: the German texts as written for those
// who read German, English for everyone else.
#include <QAction>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

#include "support/form1_fixture.h"
#include "ui/translations.h"

namespace dirnal::ui {
namespace {

class TranslationTest : public testing::Form1Fixture {
protected:
    ~TranslationTest() override { removeTranslations(); }
    void useLanguage(const char* locale)
    {
        removeTranslations();
        installTranslations(*QCoreApplication::instance(), QLocale(QString::fromLatin1(locale)));
    }
    static void removeTranslations()
    {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    // Every text the window shows or tells a screen reader, the menus' included.
    QStringList shownTexts() const
    {
        QStringList texts{form->windowTitle()};
        for (const QWidget* widget : form->findChildren<QWidget*>())
            texts << widget->property("text").toString() << widget->toolTip() << widget->accessibleName();
        for (const QAction* action : form->findChildren<QAction*>())
            texts << action->text();
        return texts;
    }
    // The session's questions, notices and status line for the same steps.
    std::vector<std::string> sessionTexts()
    {
        fill({tree.path("fehlt")});
        clickRow("List1", 0);
        const std::string status = text("lblStatus");
        click("Command1");  // asks whether the list goes
        form->session().readChosenListFile(tree.root(), "", dialogs);
        return {status, dialogs.questions.at(0), dialogs.notices.back()};
    }
    static QString yesButton() { return QCoreApplication::translate("QPlatformTheme", "&Yes"); }
};

TEST_F(TranslationTest, AUserWhoDoesNotReadGermanSeesEveryTextInEnglish)
{
    for (const char* locale : {"en_US", "fr_FR"}) {
        useLanguage(locale);
        dialogs = {};
        open(tree.root());
        EXPECT_EQ(text("cmd_startpos"), "1. Set start position") << locale;
        EXPECT_EQ(find<QAction>("dateis_2")->text(), "save as...") << locale;
        for (const QString& shown : shownTexts())
            EXPECT_FALSE(shown.contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß]")))) << shown.toStdString();
        EXPECT_EQ(sessionTexts(), (std::vector<std::string>{"does not exist !",
                                                            "Do you want to delete the existing list ?",
                                                            "Choose a file first !"}))
            << locale;
        EXPECT_TRUE(locale != std::string("en_US") || yesButton() == "&Yes");
    }
}

TEST_F(TranslationTest, AGermanReaderSeesTheGermanTextsAsWrittenAndGermanButtons)
{
    useLanguage("de_DE");
    open(tree.root());
    EXPECT_EQ(text("cmd_startpos"), "1. Startposition einstellen");
    EXPECT_EQ(find<QAction>("dateis_2")->text(), "speichern unter...");
    EXPECT_EQ(sessionTexts(), (std::vector<std::string>{"existiert nicht !", "Wollen Sie die bestehende Liste löschen ?",
                                                        "Zuerst Datei auswählen !"}));
    EXPECT_EQ(yesButton(), "&Ja");
}

}  // namespace
}  // namespace dirnal::ui
