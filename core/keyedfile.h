#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace veltra {

// One record of a file in which every key carries a single value field (the settings and
// language files).
struct KeyedRecord {
    QString key;
    std::optional<QString> value; // exactly as read; none when the value was left empty
};

// The records of the known keys, in file order; other fields are skipped one by one.
//
// An empty value cannot be seen in the field syntax: "KEY," followed by a line break simply
// runs on into the next line. A value that is itself a known key is therefore taken as an
// empty value, so the key that follows keeps its own value. A known key that is the very last
// field of the file, with no separator after it, is ignored.
std::vector<KeyedRecord> ReadKeyedRecords(const QByteArray& bytes,
                                          const std::function<bool(const QString&)>& isKey);

} // namespace veltra
