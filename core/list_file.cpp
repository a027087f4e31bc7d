#include "core/list_file.h"

namespace dirnal {

std::string encodeListFile(const std::vector<std::string>& entries)
{
    std::size_t size = 0;
    for (const std::string& entry : entries)
        size += entry.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& entry : entries) {
        bytes += entry;
        bytes += "\r\n";
    }
    return bytes;
}

DecodedListFile decodeListFile(std::string_view bytes, std::size_t maxEntries)
{
    DecodedListFile file;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        const std::size_t lineEnd = end == std::string_view::npos ? bytes.size() : end;
        const std::string_view line = bytes.substr(start, lineEnd - start);
        if (line.size() > kMaxEntryLength)
            ++file.linesTooLong;
        else if (line.find('\0') != std::string_view::npos)
            ++file.linesWithNul;
        else if (file.entries.size() < maxEntries)
            file.entries.emplace_back(line);
        else
            ++file.linesLeftOut;
        if (end == std::string_view::npos)
            break;
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return file;
}

}  // namespace dirnal
