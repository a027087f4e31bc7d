#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

namespace dirnal::ui {

// The program's strings are UTF-8; Qt's are UTF-16.
inline QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// A German text of the code in the user's language.
inline QString translated(const char* context, const char* german)
{
    return QCoreApplication::translate(context, german);
}

}  // namespace dirnal::ui
