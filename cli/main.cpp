#ifdef _WIN32
#include <io.h>
#define DIRNAL_ISATTY(fd) (::_isatty(fd) != 0)
#else
#include <unistd.h>
#define DIRNAL_ISATTY(fd) (::isatty(fd) != 0)
#endif

#include <iostream>

#include "cli/command_line.h"

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return dirnal::cli::run(arguments, std::cout, std::cerr, DIRNAL_ISATTY(2));
}
