#include "platform/win32/last_error.h"

namespace dirnal::win32 {

namespace {

// ERROR_DISK_QUOTA_EXCEEDED, which MinGW's headers lack.
constexpr DWORD kDiskQuotaExceeded = 1295;

FileError::Kind kindOf(DWORD code, FileError::Kind missing)
{
    using Kind = FileError::Kind;
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
        return missing;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return Kind::MissingDirectory;
    case ERROR_ACCESS_DENIED:
        return Kind::AccessDenied;
    case ERROR_WRITE_PROTECT:
        return Kind::ReadOnlyMedium;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case kDiskQuotaExceeded:
        return Kind::NoSpace;
    case ERROR_FILE_TOO_LARGE:
        return Kind::FileTooLarge;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
        return Kind::InvalidPath;
    case ERROR_FILENAME_EXCED_RANGE:
        return Kind::NameTooLong;
    case ERROR_CANT_RESOLVE_FILENAME:
        return Kind::LinkLoop;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return Kind::InUse;
    case ERROR_CRC:
    case ERROR_IO_DEVICE:
    case ERROR_GEN_FAILURE:
    case ERROR_NOT_READY:
        return Kind::InputOutput;
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_NETNAME_DELETED:
    case ERROR_UNEXP_NET_ERR:
    case ERROR_NETWORK_UNREACHABLE:
    case ERROR_REM_NOT_LIST:
    case ERROR_SEM_TIMEOUT:
        return Kind::NetworkUnavailable;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
    case ERROR_TOO_MANY_OPEN_FILES:
        return Kind::OutOfResources;
    default:
        return Kind::Other;
    }
}

}  // namespace

FileError errorFrom(DWORD code, FileError::Kind missing)
{
    return FileError{kindOf(code, missing), static_cast<int>(code)};
}

}  // namespace dirnal::win32
