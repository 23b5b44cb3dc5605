#pragma once

#include "core/contest.h"
#include "core/texts.h"
#include "reports/recordingtarget.h"
#include "support/testsupport.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <optional>

namespace veltra {

inline Contest SampleContest(int pilots, int judges, int maneuvers, int rounds) {
    Contest contest;
    contest.ContName = QStringLiteral("Vårcupen");
    contest.ContLocation = QStringLiteral("Ørland");
    contest.ContDate = QStringLiteral("12.05.2026");
    contest.ContSchedule = QStringLiteral("Klubbprogram.sch");
    contest.Rounds = rounds;
    contest.PilotCount = pilots;
    for (int i = 0; i < pilots; ++i) {
        Pilot& pilot = contest.Pilots[i];
        pilot.StartNo = i + 1;
        pilot.Name = QStringLiteral("Pilot %1").arg(i + 1);
        pilot.Club = QStringLiteral("Klubb %1").arg(i + 1);
        pilot.Plane = QStringLiteral("Extra");
        pilot.Engine = QStringLiteral("OS");
        pilot.Radio = QStringLiteral("Futaba");
        pilot.NACNo = QStringLiteral("NAK-%1").arg(i + 1);
        pilot.Channel = 35.01 + 0.01 * i;
        pilot.KFactor = 1.0;
    }
    contest.JudgeCount = judges;
    for (int j = 0; j < judges; ++j)
        contest.Judges[j] = {QStringLiteral("Judge %1").arg(j + 1), QStringLiteral("NOR")};
    contest.ManeuverCount = maneuvers;
    for (int m = 0; m < maneuvers; ++m) {
        contest.ManeuverName[m] = QStringLiteral("Maneuver %1").arg(m + 1);
        contest.ManeuverK[m] = m % 5 + 1;
    }
    return contest;
}

// Each heading key gets a short text of its own, so a test sees which key was printed where.
inline Texts HeadingTexts(std::initializer_list<std::pair<const char*, const char*>> texts) {
    Texts result;
    for (const auto& [key, text] : texts)
        result.set(QString::fromLatin1(key), QString::fromUtf8(text));
    return result;
}

inline std::optional<RecordedText> TextAt(const RecordedDocument& document, int page, int x,
                                          int y) {
    for (const RecordedText& text : document.texts) {
        if (text.page == page && text.x == x && text.y == y)
            return text;
    }
    return std::nullopt;
}

inline QString TextAtOr(const RecordedDocument& document, int page, int x, int y) {
    const auto text = TextAt(document, page, x, y);
    return text ? text->text : QStringLiteral("<nothing>");
}

inline bool HasLine(const RecordedDocument& document, int page, int width, int x1, int y1, int x2,
                    int y2) {
    for (const RecordedLine& line : document.lines) {
        if (line.page == page && line.width == width && line.x1 == x1 && line.y1 == y1 &&
            line.x2 == x2 && line.y2 == y2 && line.style == 0)
            return true;
    }
    return false;
}

inline QStringList LinesOf(const RecordedDocument& document) {
    QStringList lines;
    for (const TextLine& line : document.textLines)
        lines.append(line.text);
    return lines;
}

// The number of page objects in a PDF file.
inline int PdfPageCount(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

} // namespace veltra
