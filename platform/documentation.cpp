#include "platform/documentation.h"

#include "platform/file_io.h"

namespace dirnal {

std::string documentationPage()
{
#ifdef _WIN32
    constexpr char kSeparator = '\\';
    constexpr const char* kPage = "\\README.html";
#else
    constexpr char kSeparator = '/';
    constexpr const char* kPage = "/share/doc/dirnal-lst-manager/README.html";
#endif
    const std::string programs = executableDirectory();
    const std::size_t cut = programs.find_last_of(kSeparator);
    return (cut == std::string::npos || cut == 0 ? programs : programs.substr(0, cut)) + kPage;
}

}  // namespace dirnal
