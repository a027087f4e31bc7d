#include "platform/posix/errno_error.h"

#include <cerrno>

namespace dirnal::posix {

namespace {

FileError::Kind kindOf(int code, FileError::Kind missing)
{
    using Kind = FileError::Kind;
    switch (code) {
    case ENOENT:
    case ENOTDIR:
        return missing;
    case EACCES:
    case EPERM:
        return Kind::AccessDenied;
    case EROFS:
        return Kind::ReadOnlyMedium;
    case ENOSPC:
    case EDQUOT:
        return Kind::NoSpace;
    case EFBIG:
        return Kind::FileTooLarge;
    case EISDIR:
        return Kind::IsDirectory;
    case ENXIO:
    case ENODEV:
        return Kind::NotRegularFile;
    case ENAMETOOLONG:
        return Kind::NameTooLong;
    case ELOOP:
        return Kind::LinkLoop;
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:  // a lease held by another program, or a special file with nothing to read yet
        return Kind::InUse;
    case EIO:
        return Kind::InputOutput;
    case ENETDOWN:
    case ENETUNREACH:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ECONNRESET:
    case ETIMEDOUT:
    case ESTALE:
        return Kind::NetworkUnavailable;
    case ENOMEM:
    case EMFILE:
    case ENFILE:
        return Kind::OutOfResources;
    default:
        return Kind::Other;
    }
}

}  // namespace

FileError errorFrom(int code, FileError::Kind missing)
{
    return FileError{kindOf(code, missing), code};
}

}  // namespace dirnal::posix
