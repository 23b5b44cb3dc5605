#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <optional>

namespace veltra {

// Text to number as the files need it: blanks around the value allowed, an optional sign,
// digits with an optional full stop, whatever the system's locale. Anything else is no number.
std::optional<double> ParseReal(QStringView text);
std::optional<double> ParseReal(QByteArrayView text);

// A whole number within [minimum, maximum]; a real is rounded half to even first, as the
// ordinary conversion to a whole number does.
std::optional<int> ParseInteger(QStringView text, int minimum = -32768, int maximum = 32767);
std::optional<int> ParseInteger(QByteArrayView text, int minimum = -32768, int maximum = 32767);

// A whole number within [minimum, maximum] that the text gives exactly: "2" and "2.0" are 2,
// "1.5" is no whole number.
std::optional<int> ParseWholeNumber(QStringView text, int minimum = -32768, int maximum = 32767);

} // namespace veltra
