#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/path_style.h"

namespace dirnal {

// What the platform tells of its drives: the two questions the drive and
// network-share conversions ask.
class DriveTable {
public:
    virtual ~DriveTable() = default;
    // The roots of all logical drives ("C:\"), in the platform's order.
    virtual std::vector<std::string> driveRoots() const = 0;
    // The network share a drive ("X:") is connected to ("\\srv\data",
    // without a trailing separator); none for a local or unknown drive.
    virtual std::optional<std::string> remoteName(const std::string& localName) const = 0;
};

// A platform without drive letters or network drives: nothing converts.
class NoDrives final : public DriveTable {
public:
    std::vector<std::string> driveRoots() const override { return {}; }
    std::optional<std::string> remoteName(const std::string&) const override { return std::nullopt; }
};

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

// The short (8.3) and the long form of an existing path; empty when the
// platform gives none. Where the platform has no short names the path
// comes back unchanged.
std::string ShortPathName(const std::string& path);
std::string LongPathName(const std::string& path);

// The drive table of this platform.
const DriveTable& platformDrives();

}  // namespace dirnal
