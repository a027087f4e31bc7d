#pragma once

#include <sys/types.h>

#include <string>

namespace dirnal::posix {

// Creates a new file beside `target`, under a random name made exclusively
// (O_EXCL): no one can guess the name to block the save or to lead it
// elsewhere. Gives its descriptor and `name`, or -1 with errno.
int createTemporaryBeside(const std::string& target, std::string& name, mode_t mode);

}  // namespace dirnal::posix
