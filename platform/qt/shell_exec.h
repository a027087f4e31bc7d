#pragma once

#include <string>

namespace dirnal {

// Opens a document or web page with the program the user has chosen for it
// (the default browser for a web page), with `operation` as the verb
// ("open"); true when that worked. On Windows through the shell, with no
// owner window, parameters or working folder, and `windowStyle` as the show
// command (1: normally). Elsewhere the desktop opens only "open", and has no
// show command: `windowStyle` is not used there.
bool ShellExec(const std::string& target, int windowStyle, const std::string& operation);

}  // namespace dirnal
