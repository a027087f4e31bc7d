#pragma once

#include <string>

#include "core/session.h"
#include "platform/native_directory_lister.h"
#include "platform/native_file_storage.h"

namespace dirnal {

// This machine as a session works with it: its file system and list files,
// its drives and network shares, its short names, its path style and the
// user's Documents folder (on Windows), with the settings store the front
// end keeps (the window's, on Qt; none for the command-line tool).
class NativeServices {
public:
    explicit NativeServices(SettingsStore* settings = nullptr) : settings_(settings) {}
    NativeServices(const NativeServices&) = delete;
    NativeServices& operator=(const NativeServices&) = delete;

    // Valid as long as this object lives; `texts` may be null (German).
    SessionServices forSession(const TextCatalog* texts = nullptr, HiddenFolders hidden = HiddenFolders::LeftOut);

private:
    NativeFileStorage files_;
    SettingsStore* settings_;
};

// The file system as the process lists it. It is never destroyed: a
// listing that the system does not release is left behind by the walk and
// may return into it while the process ends.
const NativeDirectoryLister& nativeLister(HiddenFolders hidden = HiddenFolders::LeftOut);

// The folder the program was started in, in the form a directory panel
// shows it; the root of the settings' default drive when it is gone.
std::string workingDirectory();

}  // namespace dirnal
