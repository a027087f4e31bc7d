#include "platform/posix/extended_attributes.h"

#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <vector>

namespace dirnal::posix {

namespace {

// Reads a list or a value of a size that may grow meanwhile.
template <typename Read>
std::optional<std::string> grown(Read read)
{
    for (;;) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return std::nullopt;
        std::string bytes(static_cast<std::size_t>(size), '\0');
        const ssize_t got = read(bytes.data(), bytes.size());
        if (got >= 0) {
            bytes.resize(static_cast<std::size_t>(got));
            return bytes;
        }
        if (errno != ERANGE)
            return std::nullopt;
    }
}

// A file system without extended attributes has none to keep.
template <typename List>
std::optional<std::vector<std::string>> namesFrom(List list)
{
    const auto names = grown(list);
    if (!names)
        return errno == ENOTSUP ? std::optional(std::vector<std::string>{}) : std::nullopt;
    std::vector<std::string> split;
    for (std::size_t start = 0; start < names->size();) {
        const std::size_t end = names->find('\0', start);
        split.push_back(names->substr(start, end - start));
        start = end == std::string::npos ? names->size() : end + 1;
    }
    return split;
}

}  // namespace

bool copyExtendedAttributes(const std::string& from, int to)
{
    const char* path = from.c_str();
    const auto old = namesFrom([&](char* data, std::size_t size) { return ::listxattr(path, data, size); });
    const auto now = namesFrom([&](char* data, std::size_t size) { return ::flistxattr(to, data, size); });
    if (!old || !now)
        return false;
    for (const std::string& name : *old) {
        const auto value = grown([&](char* data, std::size_t size) { return ::getxattr(path, name.c_str(), data, size); });
        if (!value)
            return false;
        const auto present = grown([&](char* data, std::size_t size) { return ::fgetxattr(to, name.c_str(), data, size); });
        if (present != value && ::fsetxattr(to, name.c_str(), value->data(), value->size(), 0) != 0)
            return false;
    }
    for (const std::string& name : *now)
        if (std::find(old->begin(), old->end(), name) == old->end() && ::fremovexattr(to, name.c_str()) != 0)
            return false;
    return true;
}

}  // namespace dirnal::posix
