#pragma once

#include <QSettings>
#include <QString>

#include "core/settings_store.h"

namespace dirnal {

// The settings store on QSettings: the user's native store for the
// application "dirnal_lst_generator" (the registry on Windows, an INI file
// elsewhere), or an INI file given by path.
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore();
    explicit QSettingsStore(const QString& iniFile);

    std::string read(const std::string& key, const std::string& defaultValue) const override;
    void write(const std::string& key, const std::string& value) override;

private:
    mutable QSettings settings_;
};

}  // namespace dirnal
