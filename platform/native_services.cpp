#include "platform/native_services.h"

#include "platform/native_path_style.h"
#include "platform/platform_drives.h"
#include "platform/short_names.h"
#include "platform/user_folders.h"

namespace dirnal {

SessionServices NativeServices::forSession(const TextCatalog* texts)
{
    return {&nativeLister(), settings_, &files_, &platformDrives(), ShortPathName, LongPathName, nativePathStyle(), texts,
            documentsDirectory()};
}

const NativeDirectoryLister& nativeLister()
{
    static const NativeDirectoryLister* const lister = new NativeDirectoryLister;
    return *lister;
}

std::string workingDirectory()
{
    const std::string folder = directoryPathForm(".", nativePathStyle());
    return folder == "." ? settingsDefaults(nativePathStyle()).drive : folder;
}

}  // namespace dirnal
