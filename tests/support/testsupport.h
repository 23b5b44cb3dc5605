#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The text as a UTF-16 file with its byte order mark, as an editor saves "Unicode".
inline QByteArray utf16File(const QString& text) {
    return QByteArray("\xFF\xFE") +
           QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

inline QString testData(const char* name) {
    return QStringLiteral(VELTRA_TEST_DATA "/") + QString::fromLatin1(name);
}

#include <QStringList>
#include <ostream>

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{' << list.join(QStringLiteral("|")).toStdString() << '}';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << bytes.toStdString();
}
