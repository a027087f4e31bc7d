#include "platform/native_services.h"

#include "platform/native_path_style.h"
#include "platform/platform_drives.h"
#include "platform/short_names.h"
#include "platform/user_folders.h"

namespace dirnal {

SessionServices NativeServices::forSession(const TextCatalog* texts, HiddenFolders hidden)
{
    return {&nativeLister(hidden), settings_, &files_, &platformDrives(), ShortPathName, LongPathName, nativePathStyle(), texts,
            documentsDirectory()};
}

const NativeDirectoryLister& nativeLister(HiddenFolders hidden)
{
    static const NativeDirectoryLister* const visible = new NativeDirectoryLister(HiddenFolders::LeftOut);
    static const NativeDirectoryLister* const all = new NativeDirectoryLister(HiddenFolders::Listed);
    return hidden == HiddenFolders::Listed ? *all : *visible;
}

std::string workingDirectory()
{
    const std::string folder = directoryPathForm(".", nativePathStyle());
    return folder == "." ? settingsDefaults(nativePathStyle()).drive : folder;
}

}  // namespace dirnal
