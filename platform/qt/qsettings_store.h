#pragma once

#include <QSettings>
#include <QString>

#include <memory>

#include "core/settings_store.h"

namespace dirnal {

// The settings store on QSettings: the user's native store for the
// application "dirnal_lst_generator" (the registry on Windows, an INI file
// elsewhere), or an INI file given by path. An INI file that is no regular
// file (a FIFO would stop the program on its first read), a link to nothing
// or a file the user may not write is left alone: the store yields the
// defaults and keeps nothing, and says so.
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore();
    explicit QSettingsStore(const QString& iniFile);

    std::string read(const std::string& key, const std::string& defaultValue) const override;
    void write(const std::string& key, const std::string& value) override;
    std::optional<std::string> unusableFile() const override;

private:
    std::unique_ptr<QSettings> settings_;  // null: the file cannot be used
    QString file_;
};

}  // namespace dirnal
