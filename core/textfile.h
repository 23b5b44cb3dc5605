#pragma once

#include "core/texts.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace veltra {

// The bytes of one of the program's text files, checked before they are parsed.
struct TextFile {
    // The bytes to parse: a leading UTF-8 byte order mark is dropped (UTF-8 text after it is
    // taken into Windows-1252), and a last line without a line end is cut off.
    QByteArray bytes;
    // Why the file is no text file of the program at all: empty, Unicode that Windows-1252
    // cannot hold, or control characters as in a binary file.
    std::optional<QString> fault;
    // The number of the last line when it has no line end, which every file the program writes
    // has: the file may have been cut short there. 0 when the file ends with a line end.
    int cutLine = 0;
    QString cutReason;
};

TextFile CheckTextFile(const QByteArray& bytes, const Texts& texts);

// "The file <path> cannot be read." and the reason on the next line.
QString FileRefusedMessage(const QString& path, const QString& reason, const Texts& texts);

// "Line <line>: the value "<value>" is not valid." and the line's text on the next line.
QString ValueFaultReason(int line, const QString& value, const QString& lineText,
                         const Texts& texts);

} // namespace veltra
