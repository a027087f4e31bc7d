#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace dirnal::testing {

// A real directory tree below a fresh temporary folder, removed afterwards
// (permissions restored first, so that unreadable folders go too).
class TempTree {
public:
    TempTree()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dirnal-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
    }
    ~TempTree()
    {
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(
                 root_, std::filesystem::directory_options::skip_permission_denied, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            if (it->is_directory(error) && !it->is_symlink(error))
                ::chmod(it->path().c_str(), 0700);
        }
        restoreAccess(root_);
        std::filesystem::remove_all(root_, error);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& root() const { return root_; }
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }

    std::string mkdir(const std::string& relative) const
    {
        std::filesystem::create_directories(path(relative));
        return path(relative);
    }
    std::string touch(const std::string& relative, const std::string& content = {}) const
    {
        std::filesystem::create_directories(std::filesystem::path(path(relative)).parent_path());
        std::ofstream(path(relative), std::ios::binary) << content;
        return path(relative);
    }
    std::string symlink(const std::string& target, const std::string& relative) const
    {
        std::filesystem::create_directory_symlink(target, path(relative));
        return path(relative);
    }

private:
    // Makes every directory readable again, walking down by hand because an
    // unreadable folder hides its children from the iterator.
    static void restoreAccess(const std::filesystem::path& directory)
    {
        ::chmod(directory.c_str(), 0700);
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
            if (entry.is_directory(error) && !entry.is_symlink(error))
                restoreAccess(entry.path());
        }
    }

    std::string root_;
};

// A file's whole content; empty when it cannot be read.
inline std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Root ignores permissions, so "unreadable" cannot be staged for it.
inline bool runningAsRoot()
{
    return ::geteuid() == 0;
}

}  // namespace dirnal::testing
