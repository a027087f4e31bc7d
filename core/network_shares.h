#pragma once

#include <string>
#include <vector>

#include "core/drive_table.h"
#include "core/path_style.h"

namespace dirnal {

// The drive specifications ("C:") of all logical drives, in the
// platform's order.
std::vector<std::string> GetDriveList(const DriveTable& drives);

// Drive-letter form to network-share form: with X: connected to \\srv\data,
// X:\proj gives \\srv\data\proj with a separator at its end. A single
// letter is taken as a drive.
// The result always ends with a separator, converted or not.
std::string DriveToUNC(const std::string& path, const DriveTable& drives, PathStyle style);

// Network-share form to drive-letter form, matching the shares of the
// drives in the platform's order without regard to case: the first drive
// whose share begins the path wins. A drive-letter path on a local drive
// comes back with the drive as the platform spells it. The result always
// ends with a separator.
std::string UNCToDrive(const std::string& path, const DriveTable& drives, PathStyle style);

}  // namespace dirnal
