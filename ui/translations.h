#pragma once

#include <QLocale>

class QCoreApplication;

namespace dirnal::ui {

// The program is written in German. A user who reads German sees those
// texts; everyone else sees the English ones.
bool readsGerman(const QLocale& locale);

// Installs the texts for the user's language into the application: Qt's
// own (the standard dialog buttons) and the program's.
void installTranslations(QCoreApplication& application, const QLocale& locale = QLocale());

}  // namespace dirnal::ui
