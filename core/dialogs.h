#pragma once

#include <string>

namespace dirnal {

// Questions and notices to the user. The window shows message boxes, the
// command-line tool writes to its error output, tests answer from a script.
// Texts are UTF-8.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Yes and No, Yes first and default. True when the answer is Yes.
    virtual bool askYesNo(const std::string& text) = 0;
    // A notice with the OK button alone.
    virtual void inform(const std::string& text) = 0;
    // A failure the user must know about, with the OK button alone.
    virtual void reportError(const std::string& text) = 0;
};

}  // namespace dirnal
