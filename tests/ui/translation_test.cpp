// The window in the user's language: the German texts as written for those
// who read German, English for everyone else.
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

#include "support/form1_fixture.h"
#include "ui/translations.h"

namespace dirnal::ui {
namespace {

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
    const struct {
        const char* locale;
        std::vector<std::string> texts;  // a caption, a menu item, the status, a question, a notice
        const char* yes;                 // nullptr: as Qt has it for the language
    } cases[] = {
        {"de_DE", {"1. Startposition einstellen", "speichern unter...", "existiert nicht !",
                   "Wollen Sie die bestehende Liste löschen ?", "Zuerst Datei auswählen !"}, "&Ja"},
        {"en_US", {"1. Set start position", "save as...", "does not exist !",
                   "Do you want to delete the existing list ?", "Choose a file first !"}, "&Yes"},
        {"fr_FR", {"1. Set start position", "save as...", "does not exist !",
                   "Do you want to delete the existing list ?", "Choose a file first !"}, nullptr},
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
        EXPECT_EQ((std::vector<std::string>{text("cmd_startpos"), find<QAction>("dateis_2")->text().toStdString(),
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
