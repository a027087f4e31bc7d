#pragma once

#include <windows.h>

#include <string>

namespace dirnal::win32 {

// Creates a new file beside `target` under a random name, exclusively
// (CREATE_NEW): no one can guess the name to block the save. Open for
// writing, with FILE_SHARE_DELETE so that it can be deleted while open;
// gives its handle (INVALID_HANDLE_VALUE with GetLastError) and `name`.
HANDLE createTemporaryBeside(const std::wstring& target, DWORD access, DWORD attributes, std::wstring& name);

}  // namespace dirnal::win32
