#pragma once

#ifdef _WIN32
#include "platform/win32/win32_directory_lister.h"
#else
#include "platform/posix/posix_directory_lister.h"
#endif

namespace dirnal {

#ifdef _WIN32
using NativeDirectoryLister = Win32DirectoryLister;
#else
using NativeDirectoryLister = PosixDirectoryLister;
#endif

}  // namespace dirnal
