#pragma once

#include <QByteArray>
#include <random>

// Flips, inserts, deletes and duplicates bytes, favouring the bytes the readers care about.
inline QByteArray mutate(QByteArray bytes, std::mt19937& random) {
    static const char interesting[] = {',', '\r', '\n', ' ', '0',    '9',   '-',
                                       '.', 'X',  '\0', '1', '\xff', '\xe6'};
    std::uniform_int_distribution<int> edits(1, 8);
    for (int n = edits(random); n > 0; --n) {
        const qsizetype size = bytes.size();
        const qsizetype at =
            size == 0 ? 0 : std::uniform_int_distribution<qsizetype>(0, size - 1)(random);
        const char byte = random() % 2 ? interesting[random() % sizeof interesting]
                                       : static_cast<char>(random() % 256);
        switch (random() % 5) {
        case 0:
            if (size > 0)
                bytes[at] = byte;
            break;
        case 1:
            bytes.insert(at, byte);
            break;
        case 2:
            if (size > 0)
                bytes.remove(at, 1 + random() % 8);
            break;
        case 3:
            bytes.insert(at, bytes.mid(at, 1 + random() % 40));
            break;
        default:
            bytes.insert(at, QByteArray::number(static_cast<int>(random() % 300) - 50));
            break;
        }
    }
    return bytes;
}
