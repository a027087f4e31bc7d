#pragma once

#include "core/walk_cancel.h"

namespace dirnal::cli {

// Ctrl+C and a request to end (SIGINT and SIGTERM; on Windows Ctrl+C and
// Ctrl+Break) cancel the walk, so that the program ends at once and writes
// nothing, also while a listing hangs. Made before any other thread starts,
// so that no thread but its own takes the signals.
class Interrupts {
public:
    Interrupts();
    ~Interrupts();
    Interrupts(const Interrupts&) = delete;
    Interrupts& operator=(const Interrupts&) = delete;

    WalkCancel& cancel() { return cancel_; }
    // The exit code for what came, as shells give it: 130 for SIGINT (and
    // Ctrl+C, Ctrl+Break), 143 for SIGTERM.
    int exitCode() const;

private:
    WalkCancel cancel_;
};

}  // namespace dirnal::cli
