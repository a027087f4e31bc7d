#pragma once

#include <string>

namespace dirnal {

// The program's documentation page as the packages install it beside the
// programs: share/doc/dirnal-lst-manager/README.html below the folder that
// holds bin/ on Linux, README.html in that folder on Windows. The path is
// given whether or not the page is there (it is not in a build folder).
std::string documentationPage();

}  // namespace dirnal
