#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/settings_store.h"

namespace dirnal::testing {

// Settings kept in memory, with the order in which keys were written.
class MemorySettings final : public SettingsStore {
public:
    std::string read(const std::string& key, const std::string& defaultValue) const override
    {
        const auto found = values.find(key);
        return found == values.end() ? defaultValue : found->second;
    }
    void write(const std::string& key, const std::string& value) override
    {
        values[key] = value;
        written.push_back(key);
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> written;
};

}  // namespace dirnal::testing
