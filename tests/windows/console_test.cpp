// dirnal-lst.exe writing to a console in code page 850, read back from the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <tuple>

#include "cli/options.h"
#include "platform/file_io.h"
#include "platform/win32/handle.h"
#include "platform/win32/wide.h"

namespace dirnal {
namespace {

// Runs dirnal-lst.exe with standard output and error on a new screen buffer
// of the test's console: the exit code and the lines it shows.
std::pair<DWORD, std::string> runOnScreen(const std::string& arguments)
{
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const win32::Handle screen(
        ::CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, 0, &inherited, CONSOLE_TEXTMODE_BUFFER, nullptr));
    ::SetConsoleScreenBufferSize(screen.get(), COORD{200, 100});  // no line wraps
    std::wstring command = win32::widen('"' + executableDirectory() + "\\..\\cli\\dirnal-lst.exe\" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = screen.get();
    PROCESS_INFORMATION process{};
    DWORD code = ~DWORD{0};
    if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        ::WaitForSingleObject(process.hProcess, INFINITE);
        ::GetExitCodeProcess(process.hProcess, &code);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    CONSOLE_SCREEN_BUFFER_INFO info{};
    ::GetConsoleScreenBufferInfo(screen.get(), &info);
    std::string lines;
    for (SHORT row = 0; row < info.dwCursorPosition.Y; ++row) {
        std::wstring line(static_cast<std::size_t>(info.dwSize.X), L' ');
        DWORD read = 0;
        ::ReadConsoleOutputCharacterW(screen.get(), line.data(), static_cast<DWORD>(line.size()), COORD{0, row}, &read);
        lines += win32::narrow(line.substr(0, line.find_last_not_of(L' ') + 1)) + '\n';
    }
    return {code, lines};
}

TEST(Console, ShowsTheHelpAndErrorsInTheUsersCharactersAndKeepsItsCodePage)
{
    // Wine starts the tests with a console that has no screen buffers: one of the test's own.
    ::FreeConsole();
    ASSERT_TRUE(::AllocConsole() && ::SetConsoleOutputCP(850));
    const std::tuple<std::string, DWORD, std::string> runs[] = {  // arguments, exit code, screen
        {"--help", 0, cli::helpText()},
        // A failure is written a character at a time: ö and ß reach the console in two flushes each.
        {"\"C:\\Größe fehlt\"", 3,
         "dirnal-lst: Das Startverzeichnis \"C:\\Größe fehlt\" existiert nicht oder ist kein Verzeichnis.\n"}};
    for (const auto& [arguments, code, text] : runs) {
        const auto shown = runOnScreen(arguments);
        EXPECT_EQ(std::tuple(shown, ::GetConsoleOutputCP()), std::tuple(std::pair(code, text), 850u));
    }
}

}  // namespace
}  // namespace dirnal
