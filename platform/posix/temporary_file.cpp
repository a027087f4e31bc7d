#include "platform/posix/temporary_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <random>

#include "platform/posix/directory_of.h"

namespace dirnal::posix {

namespace {

std::uint64_t randomNumber()
{
    std::uint64_t number = 0;
    if (::getrandom(&number, sizeof number, 0) == static_cast<ssize_t>(sizeof number))
        return number;
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
}

}  // namespace

int createTemporaryBeside(const std::string& target, std::string& name, mode_t mode)
{
    const std::string directory = directoryOf(target);
    for (int attempt = 0;; ++attempt) {
        std::string random(16, '0');
        std::uint64_t number = randomNumber();
        for (char& digit : random) {
            digit = "0123456789abcdef"[number & 15];
            number >>= 4;
        }
        name = (directory == "/" ? "" : directory) + "/.dirnal.lst." + random + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST || attempt == 100)
            return fd;
    }
}

}  // namespace dirnal::posix
