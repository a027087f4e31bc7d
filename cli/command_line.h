#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/interrupts.h"

namespace dirnal::cli {

// Exit codes of dirnal-lst.
enum ExitCode : int {
    kSuccess = 0,
    kUsage = 2,          // unknown option, missing or surplus argument
    kNoRoot = 3,         // the root is not a directory, or could not be read (nothing was written)
    kCannotRead = 4,     // the list to keep cannot be read
    kCannotWrite = 5,    // the output cannot be written (nothing was)
    kIncomplete = 6,     // written, but entries are missing from it
    kEntriesMissing = 7, // --check: entries name no existing directory
    kCancelled = 130,    // cancelled (nothing was written); 143 for SIGTERM
};

// Runs dirnal-lst with its arguments (without the program name). Writes
// the list's bytes to `list` when asked to, the help and the version to
// `text`, messages to `err`; progress only when `errIsTerminal`. With
// `interrupts`, a signal during the walk cancels it, and nothing is written.
int run(const std::vector<std::string>& arguments, std::ostream& list, std::ostream& text, std::ostream& err,
        bool errIsTerminal, Interrupts* interrupts = nullptr);

}  // namespace dirnal::cli
