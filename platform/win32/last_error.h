#pragma once

#include <windows.h>

#include "core/file_error.h"

namespace dirnal::win32 {

// The kind of failure a GetLastError() code stands for, the code kept.
// ERROR_FILE_NOT_FOUND counts as `missing`: a missing file when reading,
// a missing folder when creating.
FileError errorFrom(DWORD code, FileError::Kind missing = FileError::Kind::NotFound);

}  // namespace dirnal::win32
