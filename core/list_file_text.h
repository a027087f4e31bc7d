#pragma once

#include <string>
#include <string_view>

namespace dirnal {

// The encodings a list file is recognised in. `ListFile` is the list file's
// own 8-bit encoding, the one it is written in; the others are what editors
// such as Notepad save.
enum class TextEncoding { ListFile, Utf8, Utf8WithMark, Utf16LE, Utf16BE };

struct ListFileText {
    TextEncoding encoding = TextEncoding::ListFile;
    // UTF-8, except in the list file's own encoding, whose bytes stay as
    // they are for the platform to convert line by line.
    std::string text;
};

// Finds a list file's encoding by its byte-order mark. Without one, bytes
// that are valid UTF-8 and hold at least one character beyond ASCII are
// UTF-8 where `recogniseUtf8` (where the list file's own encoding is a code
// page: text in a code page with umlauts is practically never valid UTF-8);
// anything else is in the list file's own encoding. A code unit that is no
// character becomes U+FFFD; where `cutShort` (reading stopped before the
// file's end) a character cut in two at the end is dropped instead.
ListFileText decodeListFileText(std::string_view bytes, bool recogniseUtf8, bool cutShort);

}  // namespace dirnal
