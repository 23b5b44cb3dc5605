#include "core/numbers.h"

#include <QByteArray>
#include <cmath>

namespace veltra {
namespace {

template <typename Char> bool isAsciiDigit(Char c) {
    return c >= '0' && c <= '9';
}

// Sign, digits and at most one full stop, with at least one digit.
template <typename View> bool looksLikeNumber(View text) {
    qsizetype i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isAsciiDigit(text[i]))
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits > 0;
}

std::optional<double> toDouble(QByteArrayView trimmed) {
    if (!looksLikeNumber(trimmed))
        return std::nullopt;
    bool ok = false;
    // QByteArray converts with the C locale, never the system's decimal separator.
    const double value = trimmed.toByteArray().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> toInteger(std::optional<double> real, int minimum, int maximum) {
    if (!real)
        return std::nullopt;
    const double whole = std::nearbyint(*real);
    if (whole < minimum || whole > maximum)
        return std::nullopt;
    return static_cast<int>(whole);
}

} // namespace

std::optional<double> ParseReal(QStringView text) {
    const QStringView trimmed = text.trimmed();
    if (!looksLikeNumber(trimmed))
        return std::nullopt;
    return toDouble(trimmed.toLatin1());
}

std::optional<double> ParseReal(QByteArrayView text) {
    return toDouble(text.trimmed());
}

std::optional<int> ParseInteger(QStringView text, int minimum, int maximum) {
    return toInteger(ParseReal(text), minimum, maximum);
}

std::optional<int> ParseInteger(QByteArrayView text, int minimum, int maximum) {
    return toInteger(ParseReal(text), minimum, maximum);
}

std::optional<int> ParseWholeNumber(QStringView text, int minimum, int maximum) {
    const std::optional<double> real = ParseReal(text);
    if (!real || *real != std::floor(*real))
        return std::nullopt;
    return toInteger(real, minimum, maximum);
}

} // namespace veltra
