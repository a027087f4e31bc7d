#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/wide.h"

namespace dirnal::win32 {

// A path's file attributes; INVALID_FILE_ATTRIBUTES when they cannot be
// read, and for an empty path or one with a NUL inside, which would
// silently shorten the path the system sees.
inline DWORD attributesOf(const std::string& path) noexcept
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return INVALID_FILE_ATTRIBUTES;
    return ::GetFileAttributesW(widen(path).c_str());
}

}  // namespace dirnal::win32
