#include "core/fieldreader.h"

#include "core/ansitext.h"

#include <utility>

namespace veltra {
namespace {

bool isSeparator(char byte) {
    return byte == ',' || byte == '\r' || byte == '\n';
}

} // namespace

FieldReader::FieldReader(QByteArray bytes, EndOfFile atEnd)
    : bytes_(std::move(bytes)), atEnd_(atEnd) {}

QByteArrayView FieldReader::ReadFieldBytes() {
    const char* data = bytes_.constData();
    const qsizetype size = bytes_.size();
    while (pos_ < size && isSeparator(data[pos_]))
        ++pos_;
    fieldStart_ = pos_;
    while (pos_ < size) {
        if (isSeparator(data[pos_])) {
            const QByteArrayView field(data + fieldStart_, pos_ - fieldStart_);
            // A comma at the end of a line still ends the line's record.
            qsizetype ahead = pos_;
            while (ahead < size && data[ahead] == ',')
                ++ahead;
            endedLine_ = ahead == size || isSeparator(data[ahead]);
            ++pos_;
            return field;
        }
        ++pos_;
    }
    endedLine_ = true;
    const QByteArrayView field(data + fieldStart_, pos_ - fieldStart_);
    return atEnd_ == EndOfFile::TrimBlanks ? TrimBlanks(field) : field;
}

QString FieldReader::ReadField() {
    const QByteArrayView field = ReadFieldBytes();
    return fromAnsi(field.data(), field.size());
}

int FieldReader::lastFieldLine() const {
    int line = 1;
    for (qsizetype i = 0; i < fieldStart_ && i < bytes_.size(); ++i) {
        if (bytes_.at(i) == '\n' ||
            (bytes_.at(i) == '\r' && (i + 1 >= bytes_.size() || bytes_.at(i + 1) != '\n')))
            ++line;
    }
    return line;
}

QString FieldReader::lastFieldLineText() const {
    qsizetype begin = std::min(fieldStart_, bytes_.size());
    while (begin > 0 && bytes_.at(begin - 1) != '\n' && bytes_.at(begin - 1) != '\r')
        --begin;
    qsizetype end = begin;
    while (end < bytes_.size() && bytes_.at(end) != '\n' && bytes_.at(end) != '\r')
        ++end;
    return fromAnsi(bytes_.constData() + begin, end - begin);
}

QString StringExchange(const QString& text, QChar searchChar, QChar exchangeChar) {
    QString result = text;
    result.replace(searchChar, exchangeChar);
    return result;
}

QByteArrayView TrimBlanks(QByteArrayView bytes) {
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && bytes[begin] == ' ')
        ++begin;
    while (end > begin && bytes[end - 1] == ' ')
        --end;
    return bytes.sliced(begin, end - begin);
}

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

} // namespace veltra
