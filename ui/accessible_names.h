#pragma once

#include <string_view>

namespace dirnal::ui {

// What assistive technology says about a control of the layout table beyond
// its own text (UTF-8); null where the control's text says it all.
struct AccessibleText {
    const char* name = nullptr;
    const char* description = nullptr;
};

AccessibleText accessibleTextOf(std::string_view control);

}  // namespace dirnal::ui
