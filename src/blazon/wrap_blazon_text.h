#pragma once

#include <functional>
#include <string>

namespace tess {

// The width in whole pixels of a text in the page's font.
using TextWidth = std::function<int(const std::string& text)>;

// Breaks the blazon into lines for a page `pageWidth` pixels wide, the lines
// joined by CR LF. Only blanks break: each cut falls at the first blank at or
// after a fixed start, about the text's length over the estimated number of
// lines, and every line but the last keeps its trailing blank. The lines
// themselves are not measured: cutting stops once what is left is narrower
// than the page. A text narrower than the page stays one line.
//
// Always ends: a start below 1 is taken as 1, and when no blank lies at or
// after the start the rest is the last line, however wide. Each pass measures
// the rest once, so the cost is a handful of measures per line.
std::string WrapBlazonText(const std::string& text, float pageWidth, const TextWidth& width);

}  // namespace tess
