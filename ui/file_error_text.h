#pragma once

#include <QString>

#include "platform/file_io.h"

namespace dirnal::ui {

// The reason of a file error in the window's language.
QString describeFileError(const FileError& error);

}  // namespace dirnal::ui
