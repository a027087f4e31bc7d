#include "core/network_shares.h"

#include <algorithm>

namespace dirnal {

namespace {

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool startsWithIgnoringCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return asciiLower(a) == asciiLower(b); });
}

}  // namespace

std::vector<std::string> GetDriveList(const DriveTable& drives)
{
    std::vector<std::string> list;
    for (const std::string& root : drives.driveRoots())
        list.push_back(root.substr(0, 2));
    return list;
}

std::string DriveToUNC(const std::string& path, const DriveTable& drives, PathStyle style)
{
    const char separator = separatorOf(style);
    std::string s = path;
    if (style == PathStyle::Windows && s.size() == 1)
        s += ':';
    if (s.empty() || s.back() != separator)
        s += separator;
    const std::optional<std::string> remote = drives.remoteName(s.substr(0, 2));
    return remote ? *remote + s.substr(std::min<std::size_t>(2, s.size())) : s;
}

std::string UNCToDrive(const std::string& path, const DriveTable& drives, PathStyle style)
{
    const char separator = separatorOf(style);
    std::string s = path;
    if (s.empty() || s.back() != separator)
        s += separator;
    for (const std::string& drive : GetDriveList(drives)) {
        const std::string share = DriveToUNC(drive, drives, style);
        if (startsWithIgnoringCase(s, share))
            return drive + s.substr(share.size() - 1);
    }
    return s;
}

}  // namespace dirnal
