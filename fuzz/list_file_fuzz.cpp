// The list file reader and writer on arbitrary bytes: decoding never fails,
// no entry holds a line break, and what is written reads back the same.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/list_file.h"
#include "core/path_list.h"
#include "fuzz/check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t limit = static_cast<std::size_t>(dirnal::PathList::kMaxEntries);

    const dirnal::DecodedListFile file = dirnal::decodeListFile(bytes, limit);
    check(file.entries.size() <= limit);
    check(file.linesLeftOut >= 0);
    for (const std::string& entry : file.entries)
        check(entry.find_first_of("\r\n") == std::string::npos);

    // Whatever was read is written and read back unchanged.
    const std::string written = dirnal::encodeListFile(file.entries);
    check(dirnal::decodeListFile(written, limit).entries == file.entries);

    // Entries of any bytes but line breaks survive the round trip.
    std::vector<std::string> entries;
    std::string current;
    for (const char c : bytes) {
        if (c == '\0') {
            entries.push_back(current);
            current.clear();
        } else if (c != '\r' && c != '\n') {
            current.push_back(c);
        }
    }
    entries.push_back(current);
    const std::string encoded = dirnal::encodeListFile(entries);
    check(encoded.size() >= 2 * entries.size());
    const dirnal::DecodedListFile back = dirnal::decodeListFile(encoded, entries.size());
    check(back.entries == entries);
    check(back.linesLeftOut == 0);
    return 0;
}
