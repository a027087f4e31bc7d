#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "core/dialogs.h"

namespace dirnal::cli {

// The session's notices and failures as lines on the error output. A
// failure names the program; its further lines are indented below it.
// Notices are left out when the user asked for quiet.
class ErrorOutput final : public Dialogs {
public:
    ErrorOutput(std::ostream& err, bool quiet) : err_(err), quiet_(quiet) {}

    // The command line asks nothing: every choice is an option.
    bool askYesNo(const std::string&) override { return false; }
    void inform(const std::string& text) override
    {
        if (!quiet_)
            err_ << text << '\n';
    }
    void reportError(const std::string& text) override
    {
        constexpr std::string_view kPrefix = "dirnal-lst: ";
        err_ << kPrefix;
        for (const char c : text) {
            err_ << c;
            if (c == '\n')
                err_ << std::string(kPrefix.size(), ' ');
        }
        err_ << '\n';
    }

private:
    std::ostream& err_;
    bool quiet_;
};

}  // namespace dirnal::cli
