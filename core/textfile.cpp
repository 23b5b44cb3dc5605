#include "core/textfile.h"

#include "core/ansitext.h"

#include <QDir>
#include <QStringDecoder>

namespace veltra {
namespace {

bool isLineEnd(char byte) {
    return byte == '\r' || byte == '\n';
}

// Tabs are harmless in a text; every other control character marks a binary file.
bool isControl(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return (value < 0x20 && byte != '\t' && !isLineEnd(byte)) || value == 0x7F;
}

int lineOf(const QByteArray& bytes, qsizetype at) {
    int line = 1;
    for (qsizetype i = 0; i < at; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= at || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

// UTF-8 after a byte order mark; the bytes as they are when they are no valid UTF-8.
std::optional<QByteArray> fromUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return bytes;
    QByteArray ansi = toAnsi(text);
    if (fromAnsi(ansi) != text)
        return std::nullopt;
    return ansi;
}

} // namespace

TextFile CheckTextFile(const QByteArray& original, const Texts& texts) {
    TextFile file;
    if (original.startsWith("\xFF\xFE") || original.startsWith("\xFE\xFF")) {
        file.fault = texts.get(QStringLiteral("FILE_ENCODING_REASON"));
        return file;
    }
    QByteArray bytes = original;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        const std::optional<QByteArray> ansi = fromUtf8(bytes.mid(3));
        if (!ansi) {
            file.fault = texts.get(QStringLiteral("FILE_ENCODING_REASON"));
            return file;
        }
        bytes = *ansi;
    }
    if (bytes.isEmpty()) {
        file.fault = texts.get(QStringLiteral("FILE_EMPTY_REASON"));
        return file;
    }
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (isControl(bytes[i])) {
            file.fault =
                texts.get(QStringLiteral("FILE_CONTROL_CHARACTER_REASON")).arg(lineOf(bytes, i));
            return file;
        }
    }
    if (!isLineEnd(bytes.back())) {
        qsizetype lastEnd = bytes.size() - 1;
        while (lastEnd >= 0 && !isLineEnd(bytes[lastEnd]))
            --lastEnd;
        file.cutLine = lineOf(bytes, bytes.size());
        file.cutReason = texts.get(QStringLiteral("FILE_CUT_SHORT_REASON")).arg(file.cutLine);
        bytes.truncate(lastEnd + 1);
    }
    file.bytes = std::move(bytes);
    return file;
}

QString FileRefusedMessage(const QString& path, const QString& reason, const Texts& texts) {
    return texts.get(QStringLiteral("FILE_CANNOT_BE_READ_MESSAGE"))
               .arg(QDir::toNativeSeparators(path)) +
           u'\n' + reason;
}

QString ValueFaultReason(int line, const QString& value, const QString& lineText,
                         const Texts& texts) {
    return texts.get(QStringLiteral("FILE_VALUE_NOT_VALID_REASON")).arg(line).arg(value) + u'\n' +
           lineText;
}

} // namespace veltra
