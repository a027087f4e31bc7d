#pragma once

#include <windows.h>

#include <streambuf>
#include <string>
#include <string_view>

namespace dirnal::win32 {

// Text for the user, given in UTF-8 with LF line ends, written to a handle
// when the stream flushes. A console gets it as UTF-16 through
// WriteConsoleW, so it shows the user's characters in any code page and
// its code page stays as it is. Anything else, a file or a pipe, gets
// UTF-8, which holds every folder name, with CR LF line ends.
// A failed write fails the stream.
class TextOutputBuffer final : public std::streambuf {
public:
    explicit TextOutputBuffer(HANDLE handle);
    ~TextOutputBuffer() override;
    TextOutputBuffer(const TextOutputBuffer&) = delete;
    TextOutputBuffer& operator=(const TextOutputBuffer&) = delete;

    bool isConsole() const { return console_; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    bool writeToConsole(std::string_view utf8) const;
    bool writeBytes(std::string_view utf8) const;

    HANDLE handle_;
    bool console_;
    std::string pending_;
};

}  // namespace dirnal::win32
