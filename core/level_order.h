#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "core/found_folder.h"
#include "core/generator.h"

namespace dirnal {

// Puts found folders into the list in level order as their listings come
// in, whatever order they come in: all subdirectories of the start folder,
// then those of the first of them, and so on. A folder is taken once every
// folder before it in the list has been, so the list, the notices and the
// point where the limit stops it are those of listing one folder after the
// other. Not thread-safe: its owner serialises the calls.
class LevelOrder {
public:
    LevelOrder(std::deque<FoundFolder>& folders, std::size_t capacity) : folders_(folders), capacity_(capacity) {}


    // Takes every folder it can; tells `placed` the number of each folder
    // it puts into the list.
    template <typename Placed>
    void advance(const Placed& placed)
    {
        while (!complete_) {
            if (!started_) {
                if (!answered(folders_.front()))
                    return;
                started_ = true;
                if (folders_.front().outcome != FoundFolder::Outcome::Expanded) {
                    complete_ = true;
                    return;
                }
                take(folders_.front(), placed);
                levelEnd_ = order_.size();
                continue;
            }
            if (next_ == order_.size() || report_.limitReached) {
                complete_ = true;
                return;
            }
            FoundFolder& folder = folders_[static_cast<std::size_t>(order_[next_])];
            if (!answered(folder))
                return;
            take(folder, placed);
            if (++next_ == levelEnd_) {
                ++levels_;
                levelEnd_ = order_.size();
            }
        }
    }

    // Every folder of the list has been taken, or the limit is reached.
    bool complete() const { return complete_; }
    // Levels taken whole so far.
    int levels() const { return levels_; }
    std::size_t found() const { return order_.size(); }
    GenerationReport& report() { return report_; }
    // The list, once complete; moved out where no one else reads the
    // folders any more.
    std::vector<std::string> paths(bool move);

private:
    static bool answered(const FoundFolder& folder)
    {
        return folder.state == FoundFolder::State::Answered || folder.state == FoundFolder::State::NotListed;
    }

    template <typename Placed>
    void take(const FoundFolder& folder, const Placed& placed)
    {
        if (folder.state == FoundFolder::State::NotListed)
            return;
        switch (folder.outcome) {
        case FoundFolder::Outcome::Vanished:
            // Its parent listed it as a directory.
            report_.vanished.push_back(*folder.path);
            return;
        case FoundFolder::Outcome::Unreadable:
            report_.unreadable.push_back(*folder.path);
            return;
        case FoundFolder::Outcome::TimedOut:
            report_.timedOut.push_back(*folder.path);
            return;
        case FoundFolder::Outcome::OwnAncestor:
            ++report_.cyclesSkipped;
            return;
        case FoundFolder::Outcome::Expanded:
            break;
        }
        for (std::size_t k = 0; k < folder.subdirectories.size(); ++k) {
            const int number = folder.firstChild + static_cast<int>(k);
            FoundFolder& child = folders_[static_cast<std::size_t>(number)];
            if (child.lineBreak) {
                ++report_.withLineBreaks;
                continue;
            }
            if (order_.size() >= capacity_) {
                report_.limitReached = true;
                return;
            }
            order_.push_back(number);
            child.placed = true;
            placed(number);
        }
    }

    std::deque<FoundFolder>& folders_;
    const std::size_t capacity_;
    std::vector<int> order_;  // the list, by folder number
    std::size_t next_ = 0;    // the first folder of the list not taken yet
    std::size_t levelEnd_ = 0;
    int levels_ = 0;
    bool started_ = false;
    bool complete_ = false;
    GenerationReport report_;
};

}  // namespace dirnal
