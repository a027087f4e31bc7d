#pragma once

#include "core/walk_cancel.h"

namespace dirnal::cli {

// During the walk, Ctrl+C and a request to end (SIGINT and SIGTERM; on
// Windows Ctrl+C and Ctrl+Break) cancel it, so that the program ends at once
// and writes nothing, also while a listing hangs. At any other time they act
// as they would without this.
class Interrupts {
public:
    // Signals are taken instead of acting while one lives; made on the
    // thread that walks, before the walk starts a thread.
    class DuringWalk {
    public:
        explicit DuringWalk(Interrupts* interrupts);
        ~DuringWalk();
        DuringWalk(const DuringWalk&) = delete;
        DuringWalk& operator=(const DuringWalk&) = delete;

    private:
        Interrupts* interrupts_;
    };

    WalkCancel& cancel() { return cancel_; }
    // The exit code for what came, as shells give it: 130 for SIGINT (and
    // Ctrl+C, Ctrl+Break), 143 for SIGTERM.
    int exitCode() const;

private:
    WalkCancel cancel_;
};

}  // namespace dirnal::cli
