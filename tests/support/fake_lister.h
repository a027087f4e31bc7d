#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/directory_lister.h"
#include "core/name_order.h"
#include "core/path_style.h"

namespace dirnal::testing {

// An in-memory directory tree. Paths are joined with the chosen style's
// separator; the root keeps its trailing separator ("C:\").
class FakeLister final : public DirectoryLister {
public:
    explicit FakeLister(PathStyle style = PathStyle::Windows) : style_(style) {}

    // Adds a directory and every parent the path names below an added root.
    void addDirectory(const std::string& path) { children_.try_emplace(path); }
    void addChild(const std::string& parent, const std::string& name)
    {
        addDirectory(parent);
        const std::string child = joinPath(parent, name, style_);
        children_[parent].push_back(name);
        addDirectory(child);
    }
    void makeUnreadable(const std::string& path) { unreadable_.insert(path); }
    // A subdirectory entry that leads to another directory (a symlink or
    // junction): listing below it lists the target.
    void addLink(const std::string& parent, const std::string& name, const std::string& target)
    {
        addDirectory(parent);
        children_[parent].push_back(name);
        links_[joinPath(parent, name, style_)] = target;
    }
    // How often each directory was listed.
    int listings(const std::string& path) const
    {
        const std::lock_guard lock(mutex_);
        const auto found = listed_.find(path);
        return found == listed_.end() ? 0 : found->second;
    }

    // A trailing separator does not matter, as on a real file system.
    bool dirExists(const std::string& path) const override
    {
        const bool trailing = path.size() > 1 && path.back() == separatorOf(style_) && !path.ends_with(":\\");
        return children_.contains(resolve(trailing ? path.substr(0, path.size() - 1) : path));
    }

    DirectoryListing list(const std::string& directory) const override
    {
        {
            const std::lock_guard lock(mutex_);
            ++listed_[directory];
        }
        DirectoryListing listing;
        const std::string real = resolve(directory);
        const auto found = children_.find(real);
        if (found == children_.end())
            return listing;
        if (unreadable_.contains(real)) {
            listing.status = DirectoryListing::Status::Unreadable;
            return listing;
        }
        std::vector<std::string> names = found->second;
        std::sort(names.begin(), names.end(),
                  [](const std::string& a, const std::string& b) { return displayOrderLess(a, b); });
        for (const std::string& name : names) {
            listing.subdirectories.push_back(joinPath(directory, name, style_));
            listing.throughLink.push_back(links_.contains(joinPath(real, name, style_)) ? 1 : 0);
        }
        listing.identity = DirectoryIdentity{1, std::hash<std::string>{}(real)};
        listing.status = DirectoryListing::Status::Listed;
        return listing;
    }

private:
    // Follows links until the path names a real directory.
    std::string resolve(std::string path) const
    {
        const char separator = separatorOf(style_);
        for (bool changed = true; changed;) {
            changed = false;
            for (const auto& [link, target] : links_) {
                if (path == link || (path.starts_with(link) && path[link.size()] == separator)) {
                    path = target + path.substr(link.size());
                    changed = true;
                }
            }
        }
        return path;
    }

    PathStyle style_;
    std::map<std::string, std::vector<std::string>> children_;
    std::set<std::string> unreadable_;
    std::map<std::string, std::string> links_;
    mutable std::mutex mutex_;
    mutable std::map<std::string, int> listed_;
};

}  // namespace dirnal::testing
