#include "core/list_file_text.h"

#include <cstdint>

namespace dirnal {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& text, char32_t c)
{
    if (c < 0x80) {
        text.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (c >> 6)));
        text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        text.push_back(static_cast<char>(0xE0 | (c >> 12)));
        text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        text.push_back(static_cast<char>(0xF0 | (c >> 18)));
        text.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string fromUtf16(std::string_view bytes, bool bigEndian, bool cutShort)
{
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<std::uint8_t>(bytes[i]);
        const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    const std::size_t units = bytes.size() / 2;
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t unit = unitAt(2 * i);
        const bool high = unit >= 0xD800 && unit < 0xDC00;
        const bool low = unit >= 0xDC00 && unit < 0xE000;
        if (high && i + 1 < units && unitAt(2 * i + 2) >= 0xDC00 && unitAt(2 * i + 2) < 0xE000) {
            appendUtf8(text, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{unitAt(2 * i + 2)} - 0xDC00));
            ++i;
        } else if (high && i + 1 == units && cutShort) {
            break;
        } else {
            appendUtf8(text, high || low ? kReplacement : char32_t{unit});
        }
    }
    if (bytes.size() % 2 != 0 && !cutShort)
        appendUtf8(text, kReplacement);
    return text;
}

// The length of the UTF-8 sequence at `i`, 0 when none starts there
// (overlong forms, surrogates and values past U+10FFFF are none).
std::size_t sequenceAt(std::string_view bytes, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(bytes[k]); };
    const std::uint8_t lead = byte(i);
    std::size_t length = 0;
    std::uint8_t low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (i + length > bytes.size() || byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    return length;
}

// UTF-8 with at least one character beyond ASCII; where the bytes were
// cut short, an incomplete last sequence does not count against them.
bool isUtf8BeyondAscii(std::string_view bytes, bool cutShort)
{
    bool beyondAscii = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = sequenceAt(bytes, i);
        if (length == 0)
            return cutShort && bytes.size() - i < 4 && beyondAscii;
        beyondAscii = beyondAscii || length > 1;
        i += length;
    }
    return beyondAscii;
}

}  // namespace

ListFileText decodeListFileText(std::string_view bytes, bool recogniseUtf8, bool cutShort)
{
    if (bytes.starts_with(kUtf8Mark))
        return {TextEncoding::Utf8WithMark, std::string(bytes.substr(kUtf8Mark.size()))};
    if (bytes.starts_with(kUtf16LEMark))
        return {TextEncoding::Utf16LE, fromUtf16(bytes.substr(2), false, cutShort)};
    if (bytes.starts_with(kUtf16BEMark))
        return {TextEncoding::Utf16BE, fromUtf16(bytes.substr(2), true, cutShort)};
    if (recogniseUtf8 && isUtf8BeyondAscii(bytes, cutShort))
        return {TextEncoding::Utf8, std::string(bytes)};
    return {TextEncoding::ListFile, std::string(bytes)};
}

}  // namespace dirnal
