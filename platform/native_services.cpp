#include "platform/native_services.h"

#include "platform/native_path_style.h"
#include "platform/platform_drives.h"
#include "platform/short_names.h"
#include "platform/user_folders.h"

namespace dirnal {

SessionServices NativeServices::forSession(const TextCatalog* texts)
{
    return {&lister_, settings_, &files_, &platformDrives(), ShortPathName, LongPathName, nativePathStyle(), texts,
            documentsDirectory()};
}

std::string workingDirectory()
{
    const std::string folder = directoryPathForm(".", nativePathStyle());
    return folder == "." ? settingsDefaults(nativePathStyle()).drive : folder;
}

}  // namespace dirnal
