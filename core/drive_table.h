#pragma once

#include <optional>
#include <string>
#include <vector>

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

}  // namespace dirnal
