#pragma once

#include "core/file_error.h"

namespace dirnal::posix {

// The kind of failure an errno value stands for, the code kept. ENOENT
// and ENOTDIR count as `missing`: a missing file when reading, a missing
// folder when creating.
FileError errorFrom(int code, FileError::Kind missing = FileError::Kind::NotFound);

}  // namespace dirnal::posix
