#pragma once

#include "core/path_style.h"

namespace dirnal {

constexpr PathStyle nativePathStyle()
{
#ifdef _WIN32
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

}  // namespace dirnal
