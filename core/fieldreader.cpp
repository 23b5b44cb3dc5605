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

QString FieldReader::ReadField() {
    while (pos_ < bytes_.size() && isSeparator(bytes_.at(pos_)))
        ++pos_;
    fieldStart_ = pos_;
    while (pos_ < bytes_.size()) {
        if (isSeparator(bytes_.at(pos_))) {
            const QString field = fromAnsi(bytes_.constData() + fieldStart_, pos_ - fieldStart_);
            ++pos_;
            return field;
        }
        ++pos_;
    }
    const QString field = fromAnsi(bytes_.constData() + fieldStart_, pos_ - fieldStart_);
    return atEnd_ == EndOfFile::TrimBlanks ? TrimBlanks(field) : field;
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
