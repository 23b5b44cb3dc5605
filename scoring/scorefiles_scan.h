#pragma once

#include "core/fieldreader.h"

#include <algorithm>

namespace veltra {

template <typename OnScore, typename OnBonus>
void ScanRoundScoreFile(QByteArrayView bytes, int judgeCount, OnScore&& onScore,
                        OnBonus&& onBonus) {
    judgeCount = std::clamp(judgeCount, 0, MaxJudges);
    FieldReader reader(QByteArray::fromRawData(bytes.data(), bytes.size()));
    // Reads the next field of the current line; false once the line has no more fields.
    bool lineDone = true;
    const auto next = [&](QByteArrayView& field) {
        if (lineDone)
            return false;
        field = TrimBlanks(reader.ReadFieldBytes());
        lineDone = reader.endedLine();
        return !field.isEmpty();
    };
    while (!reader.atEnd()) {
        const QByteArrayView key = TrimBlanks(reader.ReadFieldBytes());
        lineDone = reader.endedLine();
        if (key == "SCORE") {
            RoundScoreLine score;
            next(score.row);
            while (score.markCount < judgeCount && next(score.marks[score.markCount]))
                ++score.markCount;
            onScore(score);
        } else if (key == "BONUS") {
            QByteArrayView bonus;
            next(bonus);
            onBonus(bonus);
        }
        // Fields beyond the record, and lines that are no record, are passed over.
        for (QByteArrayView rest; !lineDone;)
            next(rest);
    }
}

} // namespace veltra
