#include "platform/text_encoding.h"

#include <array>
#include <cstdint>

namespace tess {

namespace {

constexpr char32_t kBroken = 0xFFFFFFFF;

// Bytes 0x80..0x9F of Windows-1252. The five bytes it leaves unassigned stand
// for the C1 control of the same number, so that every byte reads back.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The next character of a UTF-8 text, or kBroken for a byte that starts no
// well-formed character (which then counts as one character of its own).
char32_t decodeNext(std::string_view s, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return std::uint8_t(s[i]); };
    const std::uint8_t lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length;
    char32_t c, least;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        ++pos;
        return kBroken;
    }
    if (pos + length > s.size()) {
        ++pos;
        return kBroken;
    }
    for (int i = 1; i < length; ++i) {
        const std::uint8_t next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kBroken;
        }
        c = c << 6 | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return kBroken;
    }
    pos += length;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | c >> 6);
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | c >> 12);
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | c >> 18);
        out += char(0x80 | (c >> 12 & 0x3F));
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The Windows-1252 byte of a character, or -1.
int windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c) return int(0x80 + i);
    return -1;
}

// Lower case of the letters Windows-1252 holds; any other character is kept.
char32_t lower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // À..Þ except ×
    switch (c) {
        case 0x0160:
            return 0x0161;  // Š
        case 0x0152:
            return 0x0153;  // Œ
        case 0x017D:
            return 0x017E;  // Ž
        case 0x0178:
            return 0x00FF;  // Ÿ
        default:
            return c;
    }
}

// Byte offset of the character numbered n (or the end).
std::size_t offsetOfCharacter(std::string_view s, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < n && pos < s.size(); ++i) decodeNext(s, pos);
    return pos;
}

}  // namespace

std::optional<std::string> utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = decodeNext(utf8, pos);
        const int b = c == kBroken ? -1 : windows1252Byte(c);
        if (b < 0) return std::nullopt;
        out += char(b);
    }
    return out;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const std::uint8_t b = std::uint8_t(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char32_t(b));
    }
    return out;
}

bool fitsWindows1252(std::string_view utf8) {
    return utf8ToWindows1252(utf8).has_value();
}

std::string lowerFirstCharacter(std::string_view utf8) {
    if (utf8.empty()) return {};
    std::size_t pos = 0;
    const char32_t c = decodeNext(utf8, pos);
    if (c == kBroken) return std::string(utf8);
    std::string out;
    appendUtf8(out, lower(c));
    out.append(utf8.substr(pos));
    return out;
}

std::string lowerCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const char32_t c = decodeNext(utf8, pos);
        if (c == kBroken)
            out.append(utf8.substr(start, pos - start));
        else
            appendUtf8(out, lower(c));
    }
    return out;
}

bool isWellFormedUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();)
        if (decodeNext(bytes, pos) == kBroken) return false;
    return true;
}

std::string displayedName(std::string_view bytes) {
    return isWellFormedUtf8(bytes) ? std::string(bytes) : windows1252ToUtf8(bytes);
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++count) decodeNext(utf8, pos);
    return count;
}

std::string leftCharacters(std::string_view utf8, std::size_t n) {
    return std::string(utf8.substr(0, offsetOfCharacter(utf8, n)));
}

std::string dropLastCharacters(std::string_view utf8, std::size_t n) {
    const std::size_t count = characterCount(utf8);
    return n >= count ? std::string() : leftCharacters(utf8, count - n);
}

}  // namespace tess
