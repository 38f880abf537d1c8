#include "chart/error.h"

#include <cerrno>

namespace zentrel {

std::string ioErrorText(int err)
{
    switch (err) {
    case ENOENT:
        return "File not found";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EBUSY:
        return "File access denied";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Disk full";
    case EINVAL:
    case ENAMETOOLONG:
    case ENOTDIR:
        return "Invalid filename";
    default:
        return "I/O error " + std::to_string(err);
    }
}

void throwIoError(int err)
{
    throw IoError(ioErrorText(err));
}

} // namespace zentrel
