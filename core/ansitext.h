#pragma once

#include <QByteArray>
#include <QString>

namespace veltra {

// Every file and every serial byte is Windows-1252 text: one byte, one character.
QString fromAnsi(const QByteArray& bytes);
QString fromAnsi(const char* data, qsizetype size);
QChar ansiToChar(unsigned char byte);

// Characters that Windows-1252 cannot hold become "?".
QByteArray toAnsi(const QString& text);

inline constexpr const char* kLineEnd = "\r\n";

} // namespace veltra
