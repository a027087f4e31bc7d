#pragma once

#include <optional>
#include <string>

#include "core/path_style.h"

namespace dirnal {

// Per-user persistent strings in the section "Optionen". Reading a key that
// was never written yields the caller's default.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string read(const std::string& key, const std::string& defaultValue) const = 0;
    virtual void write(const std::string& key, const std::string& value) = 0;
    // The file the settings should be kept in, when it cannot be used (it
    // is no regular file): the store then yields the defaults and keeps
    // nothing.
    virtual std::optional<std::string> unusableFile() const { return std::nullopt; }
};

namespace settings_keys {
inline constexpr const char* kApplication = "dirnal_lst_generator";
inline constexpr const char* kSection = "Optionen";
inline constexpr const char* kListFile = "lbl_file.Caption";
inline constexpr const char* kStartDirectory = "Dir1.Path";
inline constexpr const char* kStartDrive = "Drive1.Drive";
inline constexpr const char* kListFileDirectory = "Dir_file.Path";
inline constexpr const char* kListFileDrive = "Drive_file.Drive";
}  // namespace settings_keys

// What a key yields when it was never written.
struct SettingsDefaults {
    std::string directory;  // "lbl_file.Caption", "Dir1.Path", "Dir_file.Path"
    std::string drive;      // "Drive1.Drive", "Drive_file.Drive"
};

inline SettingsDefaults settingsDefaults(PathStyle style)
{
    if (style == PathStyle::Windows)
        return {"C:\\temp\\", "C:\\"};
    return {"/tmp/", "/"};
}

}  // namespace dirnal
