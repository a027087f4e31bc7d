#include "core/name_order.h"

#include <cstdint>

namespace dirnal {

namespace {

// Decodes one code point at position i and advances i. An invalid sequence
// yields its first byte mapped above the Unicode range, so it sorts after
// every letter but stays distinct and deterministic.
char32_t nextCodePoint(std::string_view s, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t lead = byte(i);
    const auto invalid = [&]() {
        ++i;
        return static_cast<char32_t>(0x110000u + lead);
    };
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    if ((lead & 0xE0u) == 0xC0u) {
        length = 2;
        cp = lead & 0x1Fu;
    } else if ((lead & 0xF0u) == 0xE0u) {
        length = 3;
        cp = lead & 0x0Fu;
    } else if ((lead & 0xF8u) == 0xF0u) {
        length = 4;
        cp = lead & 0x07u;
    } else {
        return invalid();
    }
    if (i + length > s.size())
        return invalid();
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0u) != 0x80u)
            return invalid();
        cp = (cp << 6) | (byte(i + k) & 0x3Fu);
    }
    i += length;
    return cp;
}

char32_t foldCase(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    // Latin-1 capitals À..Þ except the multiplication sign.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    return c;
}

}  // namespace

bool displayOrderLess(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = foldCase(nextCodePoint(a, i));
        const char32_t cb = foldCase(nextCodePoint(b, j));
        if (ca != cb)
            return ca < cb;
    }
    const bool aEnded = i >= a.size();
    const bool bEnded = j >= b.size();
    if (aEnded != bEnded)
        return aEnded;
    return a < b;
}

}  // namespace dirnal
