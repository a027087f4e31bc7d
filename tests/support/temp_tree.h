#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace dirnal::testing {

// '\\' on Windows, '/' elsewhere: what the program puts between the names of a path it builds.
inline constexpr char kSeparator = std::filesystem::path::preferred_separator;

// Paths are UTF-8, as everywhere in the program; POSIX takes the bytes as they are.
inline std::filesystem::path nativePath(const std::string& path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

// A real directory tree below a fresh temporary folder, removed afterwards with all it holds.
class TempTree {
public:
    TempTree()
    {
        const auto temp = (std::filesystem::temp_directory_path() / "dirnal-test-").u8string();
        std::random_device random;
        do
            root_ = std::string(temp.begin(), temp.end()) + std::to_string(random());
        while (!std::filesystem::create_directory(nativePath(root_)));
    }
    ~TempTree()
    {
        restoreAccess(nativePath(root_));
        std::error_code error;
        std::filesystem::remove_all(nativePath(root_), error);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& root() const { return root_; }
    // relative is written with '/', as in every test; it comes back with the native separator.
    std::string path(std::string relative) const
    {
        std::replace(relative.begin(), relative.end(), '/', kSeparator);
        return root_ + kSeparator + relative;
    }
    std::string mkdir(const std::string& relative) const
    {
        std::filesystem::create_directories(nativePath(path(relative)));
        return path(relative);
    }
    std::string touch(const std::string& relative, const std::string& content = {}) const
    {
        std::filesystem::create_directories(nativePath(path(relative)).parent_path());
        std::ofstream(nativePath(path(relative)), std::ios::binary) << content;
        return path(relative);
    }
    std::string symlink(const std::string& target, const std::string& relative) const
    {
        std::filesystem::create_directory_symlink(nativePath(target), nativePath(path(relative)));
        return path(relative);
    }

private:
    // Gives the owner full access again, walking down by hand: an unreadable folder hides its children.
    static void restoreAccess(const std::filesystem::path& dir)
    {
        std::error_code error;
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
        for (const auto& entry : std::filesystem::directory_iterator(dir, error))
            if (!entry.is_symlink(error))
                restoreAccess(entry.path());
    }

    std::string root_;
};

// A file's whole content; empty when it cannot be read (also for a folder).
inline std::string contentOf(const std::string& path)
{
    std::ostringstream bytes;
    bytes << std::ifstream(nativePath(path), std::ios::binary).rdbuf();
    return bytes.str();
}

}  // namespace dirnal::testing
