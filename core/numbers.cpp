#include "core/numbers.h"

#include <QByteArray>
#include <cmath>

namespace veltra {
namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Sign, digits and at most one full stop, with at least one digit.
bool looksLikeNumber(QStringView text) {
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isAsciiDigit(text[i]))
            ++digits;
        else if (text[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits > 0;
}

} // namespace

std::optional<double> ParseReal(QStringView text) {
    const QStringView trimmed = text.trimmed();
    if (!looksLikeNumber(trimmed))
        return std::nullopt;
    bool ok = false;
    // QByteArray converts with the C locale, never the system's decimal separator.
    const double value = trimmed.toLatin1().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ParseInteger(QStringView text, int minimum, int maximum) {
    const std::optional<double> real = ParseReal(text);
    if (!real)
        return std::nullopt;
    const double whole = std::nearbyint(*real);
    if (whole < minimum || whole > maximum)
        return std::nullopt;
    return static_cast<int>(whole);
}

} // namespace veltra
