#include "platform/drive_of.h"

#include "core/path_style.h"
#include "platform/native_path_style.h"

namespace dirnal {

std::string driveOfPath(const std::string& path, const std::vector<std::string>& drives)
{
    return driveOfPath(path, drives, nativePathStyle());
}

}  // namespace dirnal
