#include "core/keyedfile.h"

#include "core/fieldreader.h"

namespace veltra {
namespace {

struct Field {
    QString text;
    bool endsFile; // no byte follows the field
};

std::vector<Field> readAllFields(const QByteArray& bytes) {
    std::vector<Field> fields;
    FieldReader reader(bytes);
    while (!reader.atEnd()) {
        QString text = reader.ReadField();
        if (text.isEmpty() && reader.atEnd())
            break;
        fields.push_back({std::move(text), reader.atEnd()});
    }
    return fields;
}

} // namespace

std::vector<KeyedRecord> ReadKeyedRecords(const QByteArray& bytes,
                                          const std::function<bool(const QString&)>& isKey) {
    const std::vector<Field> fields = readAllFields(bytes);
    std::vector<KeyedRecord> records;
    std::size_t i = 0;
    while (i < fields.size()) {
        const QString key = TrimBlanks(fields[i].text);
        if (!isKey(key) || fields[i].endsFile) {
            ++i;
            continue;
        }
        const bool hasValue = i + 1 < fields.size() && !isKey(TrimBlanks(fields[i + 1].text));
        if (hasValue) {
            records.push_back({key, fields[i + 1].text});
            i += 2;
        } else {
            records.push_back({key, std::nullopt});
            i += 1;
        }
    }
    return records;
}

} // namespace veltra
