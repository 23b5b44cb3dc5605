#include "core/ansitext.h"

#include <array>

namespace veltra {
namespace {

// Code points of the bytes 0x80 to 0x9F; 0 marks a byte with no character.
constexpr std::array<char16_t, 32> kHighControlBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char charToAnsi(char16_t unicode) {
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return static_cast<char>(unicode);
    if (unicode < 0xA0 && kHighControlBlock[unicode - 0x80] == 0)
        return static_cast<char>(unicode);
    for (std::size_t i = 0; i < kHighControlBlock.size(); ++i) {
        if (kHighControlBlock[i] == unicode && unicode != 0)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QChar ansiToChar(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        const char16_t mapped = kHighControlBlock[byte - 0x80];
        return QChar(mapped != 0 ? mapped : char16_t(byte));
    }
    return QChar(char16_t(byte));
}

QString fromAnsi(const char* data, qsizetype size) {
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i)
        out[i] = ansiToChar(static_cast<unsigned char>(data[i]));
    return text;
}

QString fromAnsi(const QByteArray& bytes) {
    return fromAnsi(bytes.constData(), bytes.size());
}

QByteArray toAnsi(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = charToAnsi(text.at(i).unicode());
    return bytes;
}

} // namespace veltra
