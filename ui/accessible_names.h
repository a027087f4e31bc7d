#pragma once

#include <QString>

#include <string_view>

namespace dirnal::ui {

// What assistive technology says about a control of the layout table beyond
// its own text (German, UTF-8, to be translated in the context
// "AccessibleNames"); null where the control's text says it all.
struct AccessibleText {
    const char* name = nullptr;
    const char* description = nullptr;
};

AccessibleText accessibleTextOf(std::string_view control);

// The name of `cmd_DOS`, whose caption names the form it converts to, in
// the user's language.
QString nameFormButtonName(bool toShort);

}  // namespace dirnal::ui
