#include "platform/platform_drives.h"

namespace dirnal {

// POSIX knows no drive letters and no network drives behind them.
const DriveTable& platformDrives()
{
    static const NoDrives none;
    return none;
}

}  // namespace dirnal
