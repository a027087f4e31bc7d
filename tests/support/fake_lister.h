#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/directory_lister.h"
#include "core/path_style.h"

namespace dirnal::testing {

// An in-memory directory tree. Paths are joined with the chosen style's separator; a root keeps its own ("C:\").
class FakeLister final : public DirectoryLister {
public:
    explicit FakeLister(PathStyle style = PathStyle::Windows) : style_(style) {}

    void addDirectory(const std::string& path) { children_.try_emplace(path); }
    // Adds each directory below the path before its last separator (parents first, siblings in any order).
    void addPaths(const std::vector<std::string>& paths)
    {
        for (const std::string& path : paths) {
            const std::size_t cut = path.find_last_of(separatorOf(style_));
            const bool atRoot = cut == 0 || (cut == 2 && path[1] == ':');
            addChild(path.substr(0, atRoot ? cut + 1 : cut), path.substr(cut + 1));
        }
    }
    void addChild(const std::string& parent, const std::string& name)
    {
        children_[parent].push_back(name);
        addDirectory(joinPath(parent, name, style_));
    }
    void makeUnreadable(const std::string& path) { unreadable_.insert(path); }
    // A subdirectory entry that leads to another directory (a symlink or junction): below it lists the target.
    void addLink(const std::string& parent, const std::string& name, const std::string& target)
    {
        children_[parent].push_back(name);
        links_[joinPath(parent, name, style_)] = target;
    }
    int listings() const { return listings_; }

    // A trailing separator does not matter, as on a real file system.
    bool dirExists(const std::string& path) const override
    {
        const bool trailing = path.size() > 1 && path.back() == separatorOf(style_) && !path.ends_with(":\\");
        return children_.contains(resolve(trailing ? path.substr(0, path.size() - 1) : path));
    }

    DirectoryListing list(const std::string& directory) const override
    {
        ++listings_;
        const std::string real = resolve(directory);
        const auto found = children_.find(real);
        if (found == children_.end() || unreadable_.contains(real))
            return {found == children_.end() ? DirectoryListing::Status::NotADirectory
                                             : DirectoryListing::Status::Unreadable, {}, {}, {}, {}};
        std::vector<FoundSubdirectory> names;
        for (const std::string& name : found->second)
            names.push_back({name, links_.contains(joinPath(real, name, style_))});
        DirectoryListing listing = listingOf(directory, std::move(names), style_);
        listing.identity = DirectoryIdentity{1, std::hash<std::string>{}(real)};
        return listing;
    }

private:
    // Follows links until the path names a real directory.
    std::string resolve(std::string path) const
    {
        for (bool changed = true; changed;) {
            changed = false;
            for (const auto& [link, target] : links_)
                if (path == link || (path.starts_with(link) && path[link.size()] == separatorOf(style_))) {
                    path = target + path.substr(link.size());
                    changed = true;
                }
        }
        return path;
    }

    PathStyle style_;
    std::map<std::string, std::vector<std::string>> children_;
    std::set<std::string> unreadable_;
    std::map<std::string, std::string> links_;
    mutable std::atomic<int> listings_{0};
};

// Another lister's directories, but the listing of one of them waits until released: a walk from there is held.
// Going, it releases the listing and waits for it to return, as a walk leaves it behind.
class HeldLister final : public DirectoryLister {
public:
    explicit HeldLister(const DirectoryLister& lister) : lister_(lister) {}
    ~HeldLister() override
    {
        release();
        while (inside_ > 0)
            std::this_thread::yield();
    }
    void hold(std::string directory)
    {
        const std::lock_guard lock(mutex_);
        held_ = std::move(directory);
        release_ = {};
        released_ = release_.get_future().share();
        releasedOnce_ = false;
    }
    void release()
    {
        const std::lock_guard lock(mutex_);
        if (!std::exchange(releasedOnce_, true))
            release_.set_value();
    }
    // Ready once a held listing has begun.
    std::shared_future<void> reached() const { return reached_; }
    bool dirExists(const std::string& path) const override { return lister_.dirExists(path); }
    DirectoryListing list(const std::string& directory) const override
    {
        ++inside_;
        std::shared_future<void> released;
        {
            const std::lock_guard lock(mutex_);
            if (directory == held_)
                released = released_;
        }
        if (released.valid()) {
            std::call_once(reachedOnce_, [this] { reach_.set_value(); });
            released.wait_for(std::chrono::seconds(10));  // a test that fails before it releases the walk does not hang
        }
        DirectoryListing listing = lister_.list(directory);
        --inside_;
        return listing;
    }

private:
    const DirectoryLister& lister_;
    mutable std::mutex mutex_;
    std::string held_;
    std::promise<void> release_;
    std::shared_future<void> released_;
    bool releasedOnce_ = true;
    mutable std::promise<void> reach_;
    std::shared_future<void> reached_ = reach_.get_future().share();
    mutable std::once_flag reachedOnce_;
    mutable std::atomic<int> inside_{0};
};

}  // namespace dirnal::testing
