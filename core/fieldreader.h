#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace veltra {

// Takes comma-separated fields from the bytes of one file, in order. Comma, CR and LF end a
// field; separators before a field's first character are skipped, so no field is ever empty.
class FieldReader {
  public:
    enum class EndOfFile { TrimBlanks, KeepBlanks };

    explicit FieldReader(QByteArray bytes, EndOfFile atEnd = EndOfFile::TrimBlanks);

    // The next field exactly as gathered; a field cut off by the end of the file loses its
    // leading and trailing blanks (unless KeepBlanks). Empty once the file is exhausted.
    QString ReadField();

    // The same field as raw Windows-1252 bytes, for readers that only need numbers and keys.
    // The view stays valid as long as the reader.
    QByteArrayView ReadFieldBytes();

    // True as soon as the last byte has been consumed.
    bool atEnd() const { return pos_ >= bytes_.size(); }

    // True when no further field stands on the line of the last field read (only separators
    // up to the next line break or the end of the file), for the files whose records are lines.
    bool endedLine() const { return endedLine_; }

    // Where the last field read began: its line number (from 1) and that line's text.
    int lastFieldLine() const;
    QString lastFieldLineText() const;

  private:
    QByteArray bytes_;
    EndOfFile atEnd_;
    qsizetype pos_ = 0;
    qsizetype fieldStart_ = 0;
    bool endedLine_ = false;
};

// Text with every SearchChar replaced by ExchangeChar; the editors use it to keep commas
// out of typed text.
QString StringExchange(const QString& text, QChar searchChar, QChar exchangeChar);

// Only the space character counts as a blank for the field reader.
QString TrimBlanks(const QString& text);
QByteArrayView TrimBlanks(QByteArrayView bytes);

} // namespace veltra
