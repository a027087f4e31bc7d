#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/wide.h"

namespace dirnal::win32 {

// A path's file attributes; INVALID_FILE_ATTRIBUTES when they cannot be
// read, and for an empty path or one with a NUL inside, which would
// silently shorten the path the system sees. A drive that is not ready (no
// medium in it) answers with an error, not with the system's box asking
// for one.
inline DWORD attributesOf(const std::string& path) noexcept
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return INVALID_FILE_ATTRIBUTES;
    DWORD previousMode = 0;
    const bool quiet = ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previousMode) != FALSE;
    const DWORD attributes = ::GetFileAttributesW(widen(path).c_str());
    if (quiet)
        ::SetThreadErrorMode(previousMode, nullptr);
    return attributes;
}

}  // namespace dirnal::win32
