#include "core/path_style.h"

#include <algorithm>
#include <filesystem>

namespace dirnal {

namespace {

// How long the root at the start of a path is: "/", "C:\" (or "C:" without
// a separator), "\\srv\share"; 0 for a relative path.
std::size_t rootLength(std::string_view path, PathStyle style)
{
    const char separator = separatorOf(style);
    if (style == PathStyle::Windows) {
        const bool letter = path.size() >= 2 && path[1] == ':' &&
                            ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
        if (letter)
            return path.size() >= 3 && path[2] == separator ? 3 : 2;
        if (path.starts_with("\\\\")) {
            const std::size_t server = path.find(separator, 2);
            const std::size_t share = server == std::string_view::npos ? server : path.find(separator, server + 1);
            return share == std::string_view::npos ? path.size() : share;
        }
    }
    return path.starts_with(separator) ? 1 : 0;
}

bool holds(std::string_view mountPoint, std::string_view path)
{
    if (mountPoint == "/")
        return path.starts_with('/');
    return path.starts_with(mountPoint) && (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

}  // namespace

std::string joinPath(std::string_view directory, std::string_view name, PathStyle style)
{
    std::string joined(directory);
    const char separator = separatorOf(style);
    if (joined.empty() || joined.back() != separator)
        joined.push_back(separator);
    joined.append(name);
    return joined;
}

bool isAbsolutePath(std::string_view path, PathStyle style)
{
    if (style == PathStyle::Posix)
        return path.starts_with('/');
    return (path.size() >= 2 && path[1] == ':') || path.starts_with('\\') || path.starts_with('/');
}

std::string directoryPathForm(const std::string& path, PathStyle style)
{
    const char separator = separatorOf(style);
    // The standard library does not read "\\srv\share" as a root (it would
    // put the current drive before "\srv"): a UNC path is absolute as it
    // is, keeps its share, and only what follows is made normal, below a
    // root of its own so that ".." stops at the share.
    const bool unc = style == PathStyle::Windows && path.starts_with("\\\\");
    const std::size_t shareLength = unc ? rootLength(path, style) : 0;
    const std::string local = unc ? separator + path.substr(shareLength) : path;

    // Through UTF-8 both ways: on Windows a plain string would pass the
    // ANSI code page and lose every character outside it.
    const std::u8string utf8(local.begin(), local.end());
    std::error_code error;
    std::filesystem::path absolute(utf8);
    if (!unc)
        absolute = std::filesystem::absolute(absolute, error);
    if (error)
        absolute = std::filesystem::path(utf8);
    const std::u8string normalUtf8 = absolute.lexically_normal().u8string();
    std::string normal(normalUtf8.begin(), normalUtf8.end());
    if (unc)
        normal = path.substr(0, shareLength) + (normal.size() == 1 ? std::string() : normal);
    const auto isRoot = [&] {
        return normal.size() == 1 || (style == PathStyle::Windows && normal.size() == 3 && normal[1] == ':');
    };
    while (normal.size() > 1 && normal.back() == separator && !isRoot())
        normal.pop_back();
    return normal;
}

std::string driveOfPath(std::string_view path, const std::vector<std::string>& mountPoints, PathStyle style)
{
    if (style == PathStyle::Windows) {
        const std::size_t root = rootLength(path, style);
        if (root >= 2 && path[1] == ':') {
            const char letter = path[0] >= 'a' ? static_cast<char>(path[0] - 'a' + 'A') : path[0];
            return {letter, ':', '\\'};
        }
        return path.starts_with("\\\\") ? std::string(path.substr(0, root)) : std::string();
    }
    std::string best = "/";
    for (const std::string& mountPoint : mountPoints) {
        if (mountPoint.size() > best.size() && holds(mountPoint, path))
            best = mountPoint;
    }
    return best;
}

std::vector<std::string> folderChain(std::string_view directory, PathStyle style)
{
    const char separator = separatorOf(style);
    const std::size_t root = rootLength(directory, style);
    std::vector<std::string> chain;
    if (root > 0)
        chain.emplace_back(directory.substr(0, root));
    std::size_t partStart = root;
    for (std::size_t i = root; i <= directory.size(); ++i) {
        if (i < directory.size() && directory[i] != separator)
            continue;
        if (i > partStart)
            chain.emplace_back(directory.substr(0, i));
        partStart = i + 1;
    }
    return chain;
}

std::string folderDisplayName(std::string_view folder, PathStyle style)
{
    const std::size_t root = rootLength(folder, style);
    const std::size_t separator = folder.find_last_of(separatorOf(style));
    const std::size_t nameStart = separator == std::string_view::npos ? root : std::max(separator + 1, root);
    return std::string(nameStart < folder.size() ? folder.substr(nameStart) : folder);
}

}  // namespace dirnal
