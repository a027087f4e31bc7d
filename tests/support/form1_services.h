#pragma once

#include <string>
#include <vector>

#include "ui/form1.h"

namespace dirnal::testing {

// What a window under test is given; the platform's drives and names
// unless a test sets its own.
inline ui::Form1Services servicesFor(SettingsStore& settings, const DirectoryLister& lister, ui::Dialogs& dialogs,
                                     std::string initialDirectory,
                                     ui::DriveSelector::DriveSource drives = [] {
                                         return std::vector<std::string>{"/"};
                                     })
{
    ui::Form1Services services;
    services.settings = &settings;
    services.lister = &lister;
    services.dialogs = &dialogs;
    services.initialDirectory = std::move(initialDirectory);
    services.drives = std::move(drives);
    return services;
}

}  // namespace dirnal::testing
