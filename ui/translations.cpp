#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace dirnal::ui {

bool readsGerman(const QLocale& locale)
{
    return locale.language() == QLocale::German;
}

void installTranslations(QCoreApplication& application, const QLocale& locale)
{
    // Standard buttons (Yes, No, OK) from Qt's translations where Qt is
    // installed (Linux), else from those built into the program (the
    // static Windows build).
    auto* qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(qt);

    if (readsGerman(locale))
        return;
    auto* own = new QTranslator(&application);
    if (own->load(QStringLiteral(":/i18n/dirnal_en.qm")))
        QCoreApplication::installTranslator(own);
}

}  // namespace dirnal::ui
