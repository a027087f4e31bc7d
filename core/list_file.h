#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dirnal {

// The list file: one entry per line, every line (the last one too) ended by
// CR LF, no header and no quoting. An empty entry is an empty line; an
// empty list is a file of zero bytes. Entries are bytes here; the platform
// converts them to and from its 8-bit encoding.
std::string encodeListFile(const std::vector<std::string>& entries);

// What became of the entries the list file's encoding cannot hold as they
// are, each as it stands in the list.
struct UnheldEntries {
    std::vector<std::string> asShortNames;  // written as their short (8.3) name
    std::vector<std::string> leftOut;       // not written at all
};

// A list as a list file's bytes.
struct EncodedList {
    std::string bytes;
    UnheldEntries unheld;
};

// No path is longer; a longer line is no entry of a list file.
inline constexpr std::size_t kMaxEntryLength = 32767;

struct DecodedListFile {
    std::vector<std::string> entries;
    // Lines past `maxEntries`, counted but not kept.
    long long linesLeftOut = 0;
    // Lines longer than kMaxEntryLength, counted but not kept.
    long long linesTooLong = 0;
    // Lines holding a NUL character, which no path holds: counted, not kept.
    long long linesWithNul = 0;
};

// Splits a list file into its lines. CR LF, a lone CR and a lone LF each
// end a line and are not part of it; a last line without an ending counts
// too, and the ending of the last line makes no extra empty line. At most
// `maxEntries` lines are kept; lines longer than kMaxEntryLength and lines
// holding a NUL are not.
DecodedListFile decodeListFile(std::string_view bytes, std::size_t maxEntries);

}  // namespace dirnal
