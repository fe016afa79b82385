#pragma once

#include <optional>

#include <QLocale>
#include <QString>

namespace tess {

// How every box of the program reads a number typed into it. Whether the text
// is a number at all follows the user's number format (`locale`): "2,5" is one
// in French and not in English, "2.5" the other way round; an empty box, "abc",
// "inf" or "1e400" are none. The value is then the number the text starts
// with, read with "." as the decimal point whatever the format: "2,5" gives 2,
// "2.5" 2.5, "1e3" 1000, "1,000" (a number in English) 1. Nothing when the
// text is no number.
std::optional<double> typedNumber(const QString& text, const QLocale& locale);

// The number a text starts with, "." as the decimal point: blanks, tabs and
// line ends are passed over wherever they stand, then a sign, digits, a
// decimal part and an exponent ("e" or "d") are read as far as they go; 0 when
// the text starts with no digit.
double leadingValue(const QString& text);

}  // namespace tess
