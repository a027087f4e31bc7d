#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/error_output.h"
#include "cli/interrupts.h"
#include "core/messages.h"
#include "platform/file_io.h"

#ifdef _WIN32
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include "platform/win32/text_output_buffer.h"
#include "platform/win32/wide.h"

namespace {

// The list goes to standard output byte for byte: no second CR before each LF.
struct BinaryStandardOutput {
    BinaryStandardOutput() { ::_setmode(::_fileno(stdout), _O_BINARY); }
};

// Help, notices and errors reach a console as the user's characters and a
// file or pipe as UTF-8 with CR LF; the list still goes through std::cout,
// as bytes. std::cerr writes through the error handle's buffer while the
// program runs.
class StandardTexts {
public:
    StandardTexts()
        : out_(::GetStdHandle(STD_OUTPUT_HANDLE)),
          err_(::GetStdHandle(STD_ERROR_HANDLE)),
          outStream_(&out_),
          runtimeErr_(std::cerr.rdbuf(&err_))
    {
    }
    ~StandardTexts()
    {
        std::cerr.flush();
        std::cerr.rdbuf(runtimeErr_);
    }
    StandardTexts(const StandardTexts&) = delete;
    StandardTexts& operator=(const StandardTexts&) = delete;

    std::ostream& out() { return outStream_; }
    bool errorIsConsole() const { return err_.isConsole(); }

private:
    dirnal::win32::TextOutputBuffer out_;
    dirnal::win32::TextOutputBuffer err_;
    std::ostream outStream_;
    std::streambuf* const runtimeErr_;
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

// The help and version are written only when flushed.
bool textWritten(std::ostream& text)
{
    return static_cast<bool>(text.flush());
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

// The texts go through std::cout, which closing standard output checks.
bool textWritten(std::ostream&)
{
    return true;
}

}  // namespace
#endif

int main(int argc, char* argv[])
{
#ifdef _WIN32
    [[maybe_unused]] const BinaryStandardOutput binaryOutput;
    StandardTexts texts;
    std::ostream& text = texts.out();
    const bool errIsTerminal = texts.errorIsConsole();
#else
    [[maybe_unused]] const ClosedStandardStreamsKeptTaken standardStreams;
    [[maybe_unused]] const BrokenPipeIsAWriteFailure brokenPipe;
    std::ostream& text = std::cout;
    const bool errIsTerminal = ::isatty(2) != 0;
#endif
    dirnal::ignoreFileSizeSignal();
    dirnal::cli::Interrupts interrupts;
    int code = dirnal::cli::run(processArguments(argc, argv), std::cout, text, std::cerr, errIsTerminal, &interrupts);
    if (code == dirnal::cli::kCancelled)
        code = interrupts.exitCode();
    const bool written = textWritten(text);
    // Some file systems report a failed write only when the file is closed.
    const bool closed = std::fclose(stdout) == 0 || errno == EBADF;
    if (!(written && closed) && (code == dirnal::cli::kSuccess || code == dirnal::cli::kIncomplete)) {
        dirnal::cli::ErrorOutput(std::cerr, false).reportError(dirnal::Messages().standardOutputFailed());
        code = dirnal::cli::kCannotWrite;
    }
    return code;
}
