#pragma once

#include "core/drive_table.h"

namespace dirnal {

// The drive table of this platform: its logical drives and the network
// shares behind them.
const DriveTable& platformDrives();

}  // namespace dirnal
