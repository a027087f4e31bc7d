#include "platform/win32/text_output_buffer.h"

#include <algorithm>

#include "platform/win32/wide.h"

namespace dirnal::win32 {

namespace {

// The bytes at the end of `utf8` that begin a character still to come: they
// wait for the rest, so that the console never shows half a character.
std::size_t unfinishedCharacter(std::string_view utf8)
{
    for (std::size_t back = 1; back <= std::min<std::size_t>(3, utf8.size()); ++back) {
        const auto byte = static_cast<unsigned char>(utf8[utf8.size() - back]);
        if ((byte & 0xC0) != 0x80) {
            const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return length > back ? back : 0;
        }
    }
    return 0;
}

template <typename Char>
std::basic_string<Char> withCrLf(std::basic_string_view<Char> text)
{
    std::basic_string<Char> lines;
    lines.reserve(text.size() + text.size() / 16);
    for (const Char c : text) {
        if (c == Char('\n'))
            lines += Char('\r');
        lines += c;
    }
    return lines;
}

// Writes all of `text`, in pieces small enough for any console.
template <typename Char, typename Write>
bool writeAll(std::basic_string_view<Char> text, Write write)
{
    while (!text.empty()) {
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(text.size(), 32 * 1024));
        if (!write(text.data(), piece, &written) || written == 0)
            return false;
        text.remove_prefix(written);
    }
    return true;
}

}  // namespace

TextOutputBuffer::TextOutputBuffer(HANDLE handle) : handle_(handle)
{
    DWORD mode = 0;
    console_ = ::GetConsoleMode(handle, &mode) != 0;
}

TextOutputBuffer::~TextOutputBuffer()
{
    sync();
}

TextOutputBuffer::int_type TextOutputBuffer::overflow(int_type c)
{
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        pending_ += traits_type::to_char_type(c);
    return traits_type::not_eof(c);
}

std::streamsize TextOutputBuffer::xsputn(const char* text, std::streamsize count)
{
    pending_.append(text, static_cast<std::size_t>(count));
    return count;
}

int TextOutputBuffer::sync()
{
    const std::size_t complete = pending_.size() - unfinishedCharacter(pending_);
    const std::string_view text(pending_.data(), complete);
    const bool written = text.empty() || (console_ ? writeToConsole(text) : writeBytes(text));
    pending_.erase(0, complete);
    return written ? 0 : -1;
}

bool TextOutputBuffer::writeToConsole(std::string_view utf8) const
{
    const std::wstring wide = withCrLf<wchar_t>(widen(utf8));
    return writeAll<wchar_t>(wide, [this](const wchar_t* text, DWORD size, DWORD* written) {
        return ::WriteConsoleW(handle_, text, size, written, nullptr) != 0;
    });
}

bool TextOutputBuffer::writeBytes(std::string_view utf8) const
{
    const std::string bytes = withCrLf<char>(utf8);
    return writeAll<char>(bytes, [this](const char* text, DWORD size, DWORD* written) {
        return ::WriteFile(handle_, text, size, written, nullptr) != 0;
    });
}

}  // namespace dirnal::win32
