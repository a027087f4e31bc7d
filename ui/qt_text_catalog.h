#pragma once

#include <QCoreApplication>

#include "core/text_catalog.h"

namespace dirnal::ui {

// The program's texts through the translators installed in the
// application; German, as written, when none is.
class QtTextCatalog final : public TextCatalog {
public:
    std::string translate(const char* context, const char* german) const override
    {
        return QCoreApplication::translate(context, german).toStdString();
    }
};

}  // namespace dirnal::ui
