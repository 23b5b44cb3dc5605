#pragma once

#include "core/ansitext.h"
#include "core/contest.h"
#include "core/texts.h"
#include "reports/recordingtarget.h"
#include "reports/reportframe.h"
#include "support/testsupport.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

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
        pilot.Radio = QStringLiteral("Futaba");
        pilot.NACNo = QStringLiteral("NAK-%1").arg(i + 1);
        pilot.Channel = 35.01 + 0.01 * i;
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

// Every heading a report prints, each a short text of its own.
inline Texts ReportTexts() {
    const QString table = QStringLiteral(
        "COMPETITOR_PRINT_STARTNO_HEADING=St|COMPETITOR_PRINT_NAME_HEADING=Name|"
        "COMPETITOR_PRINT_CLUB_HEADING=Club|COMPETITOR_PRINT_KFACT_HEADING=K|"
        "COMPETITOR_PRINT_CHANNEL_HEADING=Channel|COMPETITOR_PRINT_RADIO_HEADING=Radio|"
        "JUDGE_PRINT_JUDGE_HEADING=Judge|JUDGE_PRINT_CLUB_HEADING=Nation|"
        "START_PRINT_ROUND_HEADING=Round|START_PRINT_PILOT_HEADING=Pilot|"
        "START_PRINT_CHANNEL_HEADING=Channel|START_PRINT_PAUSE_MESSAGE_1=Pause for|"
        "START_PRINT_PAUSE_MESSAGE_2=minutes|SCORESHEET_PILOT_LABEL=Pilot |"
        "SCORESHEET_JUDGE_LABEL=Judge |SCORESHEET_MANEUVER_HEADING=Maneuver|"
        "SCORESHEET_NOISE_TEXT=Noise|RESULT_PRINT_STARTNO_HEADING=St|"
        "RESULT_PRINT_NAME_HEADING=Name|RESULT_PRINT_TOTAL_HEADING=Total|"
        "RESULT_PRINT_NORMALIZED_HEADING=Norm|RESULT_PRINT_TEAM_NAME_HEADING=Team|"
        "SCORE_PRINT_ROUND_LABEL=Round|SCORE_PRINT_PILOT_LABEL=Pilot|"
        "SCORE_PRINT_MANEUVER_HEADING=Maneuver|SCORE_PRINT_MIN_HEADING=Min|"
        "SCORE_PRINT_MAX_HEADING=Max|SCORE_PRINT_SUM_HEADING=Sum|SCORE_PRINT_SUM_LABEL=Sum|"
        "SCORE_PRINT_BONUS_LABEL=Bonus|SCORE_PRINT_PILOT_KFACT_LABEL=K-factor|"
        "SCORE_PRINT_TOTAL_SUM_LABEL=Points|SCORE_PRINT_HISTORY_LABEL=History|"
        "SCORE_PRINT_DEVIATION_LABEL=Deviation");
    Texts texts;
    for (const QString& entry : table.split(u'|'))
        texts.set(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    return texts;
}

inline PrintSettings TextPrinter() {
    PrintSettings settings;
    settings.printerType = 1;
    return settings;
}

inline const RecordedText* TextAt(const RecordedDocument& document, int page, int x, int y) {
    for (const RecordedText& text : document.texts) {
        if (text.page == page && text.x == x && text.y == y)
            return &text;
    }
    return nullptr;
}

// The text printed there; a missing one fails the test.
inline const RecordedText& Found(const RecordedDocument& document, int page, int x, int y) {
    if (const RecordedText* text = TextAt(document, page, x, y))
        return *text;
    throw std::runtime_error("nothing printed at " + std::to_string(x) + "," + std::to_string(y));
}

inline QString TextAtOr(const RecordedDocument& document, int page, int x, int y) {
    const RecordedText* text = TextAt(document, page, x, y);
    return text ? text->text : QStringLiteral("<nothing>");
}

inline bool HasLine(const RecordedDocument& document, int page, int width, int x1, int y1, int x2,
                    int y2) {
    for (const RecordedLine& l : document.lines) {
        if (l.page == page && l.width == width && l.x1 == x1 && l.y1 == y1 && l.x2 == x2 &&
            l.y2 == y2 && l.style == 0)
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

// The text printer's lines as the file they would make: 8-bit text, each line ended by CR LF.
inline QByteArray PrintedText(const RecordedDocument& document) {
    QString text;
    for (const TextLine& line : document.textLines)
        text += line.text + QStringLiteral("\r\n");
    return toAnsi(text);
}

inline QString Padded(const char* text, int width) {
    return QString::fromUtf8(text).leftJustified(width);
}

inline int PdfPageCount(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

} // namespace veltra
