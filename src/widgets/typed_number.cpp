#include "widgets/typed_number.h"

#include <cmath>

namespace tess {

namespace {

bool isBlank(QChar c) {
    // The no-break spaces are the group separators some formats write.
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar(0x00A0) ||
           c == QChar(0x202F);
}

}  // namespace

double leadingValue(const QString& text) {
    QString t;
    t.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c)) t += c;
    qsizetype i = 0;
    QString number;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) number += t[i++];
    const qsizetype firstDigit = number.size();
    while (i < t.size() && t[i].isDigit()) number += t[i++];
    if (i < t.size() && t[i] == u'.') {
        number += t[i++];
        while (i < t.size() && t[i].isDigit()) number += t[i++];
    }
    // No digit at all ("-", ".", "abc"): no number.
    bool anyDigit = false;
    for (qsizetype k = firstDigit; k < number.size(); ++k) anyDigit |= number[k].isDigit();
    if (!anyDigit) return 0;
    // An exponent counts only with at least one digit after its letter and sign.
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E' || t[i] == u'd' || t[i] == u'D')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < t.size() && (t[j] == u'-' || t[j] == u'+')) exponent += t[j++];
        const qsizetype digits = j;
        while (j < t.size() && t[j].isDigit()) exponent += t[j++];
        if (j > digits) number += exponent;
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

std::optional<double> typedNumber(const QString& text, const QLocale& locale) {
    bool numeric = false;
    const double v = locale.toDouble(text, &numeric);
    if (!numeric || !std::isfinite(v)) return std::nullopt;
    return leadingValue(text);
}

}  // namespace tess
