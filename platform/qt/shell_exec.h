#pragma once

#include <string>

namespace dirnal {

// Opens a document or web page with the program the user has chosen for it
// (the default browser for a web page). True when that worked. The window
// style (1: normally) and the operation ("open") are what the caller asks;
// here every page is opened normally.
bool ShellExec(const std::string& target, int windowStyle, const std::string& operation);

}  // namespace dirnal
