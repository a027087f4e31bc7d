#pragma once

#include <string>

namespace dirnal::win32 {

// A path in the device namespace (\\.\pipe\name, \\.\COM1) names a device
// or a pipe, never a file; such a path is not even opened.
inline bool inDeviceNamespace(const std::wstring& path)
{
    return path.starts_with(L"\\\\.\\") || path.starts_with(L"//./");
}

}  // namespace dirnal::win32
