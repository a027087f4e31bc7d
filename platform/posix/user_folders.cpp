#include "platform/user_folders.h"

#include <unistd.h>

#include "platform/dir_exists.h"

namespace dirnal {

std::optional<std::string> documentsDirectory()
{
    return std::nullopt;
}

bool canCreateFileIn(const std::string& directory)
{
    // Writing and searching the folder is what making a file in it takes;
    // a read-only mount answers EROFS.
    return DirExists(directory) && ::access(directory.c_str(), W_OK | X_OK) == 0;
}

}  // namespace dirnal
