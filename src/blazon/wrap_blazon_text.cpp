#include "blazon/wrap_blazon_text.h"

#include <algorithm>

#include "platform/rounding.h"
#include "platform/text_encoding.h"

namespace tess {

namespace {

// Byte offset of character `n` (from 0) of a UTF-8 text; the size when shorter.
std::size_t byteOfCharacter(const std::string& utf8, std::size_t n) {
    const std::string head = leftCharacters(utf8, n);
    return head.size();
}

}  // namespace

std::string WrapBlazonText(const std::string& text, float pageWidth, const TextWidth& width) {
    std::string lines;
    std::string rest = text;
    int restWidth = width(rest);
    // The estimate divides by the page width in whole pixels; a page narrower
    // than one pixel counts as one so that it cannot divide by zero.
    const int wholePage = std::max(1, CInt(pageWidth));
    const int estimatedLines = restWidth / wholePage + 1;
    // The start is the same in every pass: it comes from the whole text.
    const long start = std::max(1L, long(characterCount(text)) / long(estimatedLines) - 2);
    while (pageWidth <= float(restWidth)) {
        const std::size_t from = byteOfCharacter(rest, std::size_t(start - 1));
        const std::size_t blank = rest.find(' ', from);
        if (blank == std::string::npos) break;
        lines += rest.substr(0, blank + 1) + "\r\n";
        rest.erase(0, blank + 1);
        restWidth = width(rest);
    }
    return lines + rest;
}

}  // namespace tess
