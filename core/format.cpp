#include "core/format.h"

#include <cmath>
#include <cstdio>

namespace veltra {
namespace {

bool isDigitPlaceholder(QChar c) {
    return c == u'0' || c == u'#';
}

// The value scaled to whole units of the last pictured decimal, rounded half away from zero.
// A double times 10^d for d <= 4 is exact in long double, so halves are recognised exactly.
long double scaledAndRounded(double value, int decimals) {
    long double scaled = std::fabs(static_cast<long double>(value));
    for (int i = 0; i < decimals; ++i)
        scaled *= 10.0L;
    return std::floor(scaled + 0.5L);
}

QString digitsOf(long double whole) {
    char buffer[64];
    if (whole < 1e18L) {
        auto value = static_cast<unsigned long long>(whole);
        char* end = buffer + sizeof buffer;
        char* begin = end;
        do {
            *--begin = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        return QString::fromLatin1(begin, end - begin);
    }
    std::snprintf(buffer, sizeof buffer, "%.0Lf", whole);
    return QString::fromLatin1(buffer);
}

QString formatIntegerPart(QStringView pattern, const QString& digits) {
    // Walk the picture from the right; the leftmost placeholder takes every digit left over.
    qsizetype firstPlaceholder = -1;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (isDigitPlaceholder(pattern[i])) {
            firstPlaceholder = i;
            break;
        }
    }
    const bool zeroValue = digits == QLatin1String("0");
    QString out;
    qsizetype next = digits.size() - 1;
    for (qsizetype i = pattern.size() - 1; i >= 0; --i) {
        const QChar c = pattern[i];
        if (!isDigitPlaceholder(c)) {
            out.prepend(c);
            continue;
        }
        const bool haveDigit = next >= 0 && !(zeroValue && c == u'#');
        if (i == firstPlaceholder) {
            if (haveDigit)
                out.prepend(digits.left(next + 1));
            else if (c == u'0')
                out.prepend(u'0');
            next = -1;
        } else if (haveDigit) {
            out.prepend(digits.at(next--));
        } else if (c == u'0') {
            out.prepend(u'0');
        }
    }
    return out;
}

QString formatFractionPart(QStringView pattern, const QString& digits) {
    qsizetype lastZero = -1;
    qsizetype lastSignificant = -1;
    for (qsizetype i = 0, d = 0; i < pattern.size(); ++i) {
        if (!isDigitPlaceholder(pattern[i]))
            continue;
        if (pattern[i] == u'0')
            lastZero = d;
        if (digits.at(d) != u'0')
            lastSignificant = d;
        ++d;
    }
    const qsizetype keep = std::max(lastZero, lastSignificant);
    QString out;
    for (qsizetype i = 0, d = 0; i < pattern.size(); ++i) {
        if (!isDigitPlaceholder(pattern[i])) {
            out.append(pattern[i]);
            continue;
        }
        if (d <= keep)
            out.append(digits.at(d));
        ++d;
    }
    return out;
}

} // namespace

QString FormatText(const QString& text, QStringView pattern) {
    const bool leftAligned = pattern.startsWith(u'!');
    const qsizetype width = pattern.count(u'@');
    if (text.size() >= width)
        return text;
    return leftAligned ? text.leftJustified(width) : text.rightJustified(width);
}

QString FormatNumber(double value, QStringView pattern) {
    const qsizetype point = pattern.indexOf(u'.');
    const QStringView integerPattern = point < 0 ? pattern : pattern.left(point);
    const QStringView fractionPattern = point < 0 ? QStringView() : pattern.mid(point + 1);
    int decimals = 0;
    for (QChar c : fractionPattern)
        decimals += isDigitPlaceholder(c) ? 1 : 0;

    if (!std::isfinite(value))
        value = 0.0;
    const QString all =
        digitsOf(scaledAndRounded(value, decimals)).rightJustified(decimals + 1, u'0');
    const QString integerDigits = all.left(all.size() - decimals);
    const QString fractionDigits = all.right(decimals);

    QString out = formatIntegerPart(integerPattern, integerDigits);
    if (point >= 0)
        out += u'.' + formatFractionPart(fractionPattern, fractionDigits);
    const bool isZero = all.count(u'0') == all.size();
    if (value < 0 && !isZero) {
        // The sign goes in front of the first digit, after any leading literal blanks.
        qsizetype at = 0;
        while (at < out.size() && out.at(at) == u' ')
            ++at;
        out.insert(at, u'-');
    }
    return out;
}

QString NumberText(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("0");
    QString text = QString::number(value, 'f', 10);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

} // namespace veltra
