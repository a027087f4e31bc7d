#pragma once

#include <string>

namespace dirnal {

// Where the program's German texts find their translation. The window
// hands in the one for the user's language; without one, every text is
// German, as it is written in the code.
class TextCatalog {
public:
    virtual ~TextCatalog() = default;
    // The text in the user's language, or `german` itself where there is
    // no translation. UTF-8 both; placeholders %1, %2 ... stay in place.
    virtual std::string translate(const char* context, const char* german) const = 0;
};

}  // namespace dirnal
