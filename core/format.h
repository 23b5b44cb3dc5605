#pragma once

#include <QString>

namespace veltra {

// The one routine behind every fixed-width field of the program.
//
// Text patterns: N "@" right-align the text in N characters; "!" followed by N "@" left-aligns
// it. A longer text is never shortened.
//
// Number patterns: "0" is a digit always written, "#" a digit written only when significant,
// "." the decimal point; any other character stands as itself. Values are rounded half away
// from zero to the decimals pictured; the decimal point is always the full stop.
QString FormatText(const QString& text, QStringView pattern);
QString FormatNumber(double value, QStringView pattern);

// The plain text of a number as a list or file shows it: no exponent, no trailing zeros.
QString NumberText(double value);

} // namespace veltra
