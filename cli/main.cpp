#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/error_output.h"
#include "core/messages.h"
#include "platform/file_io.h"

#ifdef _WIN32
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include "platform/win32/wide.h"

namespace {

// The list goes to standard output byte for byte: no second CR before each LF.
struct BinaryStandardOutput {
    BinaryStandardOutput() { ::_setmode(::_fileno(stdout), _O_BINARY); }
};

// The console shows the German notices in UTF-8 while the program runs; the
// user's code page comes back at the end.
class Utf8ConsoleOutputForThisRun {
public:
    Utf8ConsoleOutputForThisRun() : codePage_(::GetConsoleOutputCP()) { ::SetConsoleOutputCP(CP_UTF8); }
    ~Utf8ConsoleOutputForThisRun()
    {
        if (codePage_ != 0)
            ::SetConsoleOutputCP(codePage_);
    }
    Utf8ConsoleOutputForThisRun(const Utf8ConsoleOutputForThisRun&) = delete;
    Utf8ConsoleOutputForThisRun& operator=(const Utf8ConsoleOutputForThisRun&) = delete;

private:
    const UINT codePage_;
};

// The program keeps its strings in UTF-8; Windows hands over the arguments
// in the ANSI code page unless asked for the wide form.
std::vector<std::string> processArguments(int, char*[])
{
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(dirnal::win32::narrow(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

bool errorOutputIsTerminal()
{
    return ::_isatty(2) != 0;
}

}  // namespace
#else
#include <fcntl.h>
#include <unistd.h>

namespace {

// A standard stream closed by the caller would hand its number to the next
// file the program opens, and the list could go there. An unwritable
// placeholder keeps the number taken, so writing the list fails as it should.
struct ClosedStandardStreamsKeptTaken {
    ClosedStandardStreamsKeptTaken()
    {
        for (int fd = 0; fd <= 2; ++fd)
            if (::fcntl(fd, F_GETFD) < 0)
                ::open("/dev/null", O_RDONLY);
    }
};

// A reader that quits early (`dirnal-lst /srv/cad | head`) makes the
// write fail with EPIPE, reported with exit code 5, instead of ending the
// program by SIGPIPE without a word.
struct BrokenPipeIsAWriteFailure {
    BrokenPipeIsAWriteFailure() { std::signal(SIGPIPE, SIG_IGN); }
};

std::vector<std::string> processArguments(int argc, char* argv[])
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

bool errorOutputIsTerminal()
{
    return ::isatty(2) != 0;
}

}  // namespace
#endif

int main(int argc, char* argv[])
{
#ifdef _WIN32
    [[maybe_unused]] const BinaryStandardOutput binaryOutput;
    [[maybe_unused]] const Utf8ConsoleOutputForThisRun utf8Console;
#else
    [[maybe_unused]] const ClosedStandardStreamsKeptTaken standardStreams;
    [[maybe_unused]] const BrokenPipeIsAWriteFailure brokenPipe;
#endif
    dirnal::ignoreFileSizeSignal();
    int code = dirnal::cli::run(processArguments(argc, argv), std::cout, std::cerr, errorOutputIsTerminal());
    // Some file systems report a failed write only when the file is closed.
    if (std::fclose(stdout) != 0 && errno != EBADF && code == dirnal::cli::kSuccess) {
        dirnal::cli::ErrorOutput(std::cerr, false).reportError(dirnal::Messages().standardOutputFailed());
        code = dirnal::cli::kCannotWrite;
    }
    return code;
}
