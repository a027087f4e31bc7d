#pragma once

#include "core/recovery_copy.h"

namespace dirnal {

// This machine's file system as recovery copies use it; the state folder
// is $XDG_STATE_HOME/dirnal-lst or ~/.local/state/dirnal-lst on Linux,
// %LOCALAPPDATA%\dirnal-lst on Windows.
RecoveryFiles& nativeRecoveryFiles();

}  // namespace dirnal
