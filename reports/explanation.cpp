#include "reports/explanation.h"

#include "core/format.h"

namespace veltra {
namespace {

constexpr int LabelWidth = 40;
constexpr int ValueWidth = 10;
constexpr int NameWidth = 25;
constexpr int MarkWidth = 4;
// Notes are broken into lines of this many characters, so that a printed page keeps its size.
constexpr int NoteWidth = 78;

QString text(const Texts& texts, const char* key) {
    return texts.get(QString::fromLatin1(key));
}

// Raw round points as the results file keeps them; normalised points and totals as the result
// lists show them.
QString points(double value) {
    return FormatNumber(value, u"0.00");
}
QString listed(double value) {
    return FormatNumber(value, u"###0.0");
}

// A note that something is not as it should be, broken at blanks.
QStringList warning(const QString& note) {
    QStringList lines{QStringLiteral("!!")};
    for (const QString& word : note.split(u' ', Qt::SkipEmptyParts)) {
        if (lines.last().size() + 1 + word.size() > NoteWidth)
            lines << QStringLiteral("  ");
        lines.last() += u' ' + word;
    }
    return lines;
}

QString valueLine(const QString& label, const QString& value) {
    return LeftIn(label, LabelWidth) + RightIn(value, ValueWidth);
}

// A mark, in brackets where the row sum leaves it out; the digits stay in line.
QString markCell(const ManeuverWorking& row, int judge) {
    const int mark = row.marks[judge];
    if (mark == ManeuverWorking::NoMark)
        return RightIn(QStringLiteral("-"), MarkWidth - 1) + u' ';
    const QString digits = QString::number(mark);
    if (judge == row.droppedHighest)
        return RightIn(u'(' + digits, MarkWidth - 1) + u')';
    if (judge == row.droppedLowest)
        return RightIn(u'[' + digits, MarkWidth - 1) + u']';
    return RightIn(digits, MarkWidth - 1) + u' ';
}

QStringList marksTable(const RoundWorking& round, const Texts& texts) {
    const int judges = round.judges;
    QString heading = QStringLiteral(" # ") +
                      LeftIn(text(texts, "SCORE_PRINT_MANEUVER_HEADING"), NameWidth) +
                      QStringLiteral("  K ");
    for (int j = 1; j <= judges; ++j)
        heading += RightIn(j, MarkWidth - 1) + u' ';
    heading += QStringLiteral("  ") + RightIn(text(texts, "SCORE_PRINT_SUM_HEADING"), 5) +
               RightIn(text(texts, "EXPLAIN_ROW_HEADING"), 6);
    QStringList lines{heading, QString(heading.size(), u'-')};
    bool fewerAnywhere = false;
    for (int m = 0; m < static_cast<int>(round.maneuvers.size()); ++m) {
        const ManeuverWorking& row = round.maneuvers[m];
        QString line = RightIn(m + 1, 2) + u' ' + LeftIn(row.name, NameWidth) + u' ' +
                       RightIn(row.k, 2) + u' ';
        for (int j = 0; j < judges; ++j)
            line += markCell(row, j);
        const bool fewer = row.droppedHighest == ManeuverWorking::NoJudge;
        fewerAnywhere = fewerAnywhere || fewer;
        line += (fewer ? QStringLiteral(" *") : QStringLiteral("  ")) +
                RightIn(QString::number(row.counted), 5) + RightIn(QString::number(row.rowSum), 6);
        lines << line;
    }
    lines << lines.at(1) << text(texts, "EXPLAIN_MARK_NOTES");
    if (fewerAnywhere)
        lines << text(texts, "EXPLAIN_FEWER_NOTE");
    return lines;
}

QStringList roundPoints(const RoundWorking& round, const Texts& texts) {
    QStringList lines{valueLine(text(texts, "EXPLAIN_ROW_SUMS"), QString::number(round.rowSums)),
                      valueLine(text(texts, "SCORE_PRINT_BONUS_LABEL"),
                                (round.bonus > 0 ? QStringLiteral("+") : QString()) +
                                    QString::number(round.bonus)),
                      valueLine(text(texts, "EXPLAIN_RAW_SUM"), QString::number(round.rawSum)),
                      valueLine(QStringLiteral("x ") + text(texts, "SCORE_PRINT_PILOT_KFACT_LABEL"),
                                FormatNumber(round.kFactor, u"0.00")),
                      valueLine(QStringLiteral("= ") + text(texts, "EXPLAIN_FROM_MARKS"),
                                points(round.fromMarks)),
                      valueLine(text(texts, "EXPLAIN_IN_RESULTS"), points(round.points))};
    if (!round.agrees)
        lines << warning(text(texts, "EXPLAIN_DISAGREE"));
    return lines;
}

QStringList normalisation(const RoundWorking& round, const Texts& texts) {
    if (!round.counted)
        return {text(texts, "EXPLAIN_NOT_COUNTED")};
    QStringList lines;
    if (round.best.pilot < 0) {
        lines << text(texts, "EXPLAIN_NO_BEST");
    } else {
        lines << valueLine(text(texts, "EXPLAIN_BEST_OF_ROUND"), points(round.bestPilotPoints)) +
                     QStringLiteral("  ") + round.bestPilotName;
    }
    lines << valueLine(text(texts, "EXPLAIN_DIVISOR"), QString::number(round.best.points, 'f', 0));
    const QString sum = points(round.points) + QStringLiteral(" / ") +
                        QString::number(round.best.points, 'f', 0) + QStringLiteral(" x ") +
                        QString::number(NormalisedBest, 'f', 0);
    lines << valueLine(text(texts, "EXPLAIN_NORMALISED") + QStringLiteral(": ") + sum,
                       listed(round.normalised));
    return lines;
}

QStringList countedRounds(const ResultExplanation& explanation, const Texts& texts) {
    const QString heading = LeftIn(text(texts, "SCORE_PRINT_ROUND_LABEL"), 8) +
                            RightIn(text(texts, "SCORE_PRINT_TOTAL_SUM_LABEL"), 10) +
                            RightIn(text(texts, "EXPLAIN_BEST_HEADING"), 8) +
                            RightIn(text(texts, "RESULT_PRINT_NORMALIZED_HEADING"), 10);
    QStringList lines{heading, QString(heading.size(), u'-')};
    const bool dropping = explanation.options.dropLowest;
    for (int r = 0; r < static_cast<int>(explanation.rounds.size()); ++r) {
        const CountedRound& round = explanation.rounds[r];
        lines << RightIn(r + 1, 3) + QString(5, u' ') + RightIn(points(round.points), 10) +
                     RightIn(QString::number(round.best.points, 'f', 0), 8) +
                     RightIn(listed(round.normalised), 10) +
                     (dropping && r == explanation.droppedRound ? QStringLiteral("  <")
                                                                : QString());
    }
    lines << lines.at(1);
    lines << valueLine(text(texts, "EXPLAIN_SUM_OF_ROUNDS"), listed(explanation.sumOfRounds));
    if (!dropping) {
        lines << text(texts, "EXPLAIN_NOTHING_DROPPED");
    } else if (explanation.droppedRound >= 0) {
        lines << valueLine(text(texts, "EXPLAIN_DROPPED_ROUND").arg(explanation.droppedRound + 1),
                           listed(-explanation.lowestPoints));
    } else {
        lines << valueLine(text(texts, "EXPLAIN_NONE_BELOW"), listed(-explanation.lowestPoints));
    }
    lines << valueLine(QStringLiteral("= ") + text(texts, "RESULT_PRINT_TOTAL_HEADING"),
                       listed(explanation.total));
    return lines;
}

QStringList standing(const ResultExplanation& explanation, const Texts& texts) {
    QStringList lines{text(texts, "EXPLAIN_PLACE")
                          .arg(explanation.placed)
                          .arg(explanation.pilotCount)
                          .arg(explanation.placed - 1)};
    if (explanation.bestTotal > 0.0) {
        const QString sum = listed(explanation.total) + QStringLiteral(" x ") +
                            QString::number(NormalisedBest, 'f', 0) + QStringLiteral(" / ") +
                            listed(explanation.bestTotal);
        lines << valueLine(text(texts, "EXPLAIN_NORM_TOTAL") + QStringLiteral(": ") + sum,
                           listed(explanation.normTotal));
    } else {
        lines << text(texts, "EXPLAIN_NO_BEST_TOTAL");
    }
    for (const TeamWorking& team : explanation.teams) {
        lines << QString()
              << text(texts, "EXPLAIN_TEAM").arg(team.name).arg(team.placed).arg(team.teamCount);
        for (const MemberWorking& member : team.members) {
            const QString name = member.found ? member.name
                                              : member.name + QStringLiteral(" (") +
                                                    text(texts, "EXPLAIN_NO_SUCH_PILOT") + u')';
            lines << valueLine(QStringLiteral("   ") + name, listed(member.total));
        }
        lines << valueLine(QStringLiteral("   = ") + text(texts, "RESULT_PRINT_TOTAL_HEADING"),
                           listed(team.total));
    }
    return lines;
}

QStringList explanationLines(const ResultExplanation& explanation, const Texts& texts,
                             const QString& mainCaption) {
    const RoundWorking& round = explanation.round;
    const QString gap(5, u' ');
    QStringList lines{
        QStringLiteral("===== ") + text(texts, "EXPLAIN_TITLE") + QStringLiteral(" =====") +
            QString(15, u' ') + mainCaption,
        QString(),
        explanation.contestName + gap + explanation.location + gap + explanation.date,
        QString(),
        text(texts, "SCORE_PRINT_PILOT_LABEL") + QStringLiteral(" : ") +
            QString::number(explanation.startNo) + u' ' + explanation.pilotName,
        text(texts, "EXPLAIN_ROUNDS_COUNTED").arg(explanation.options.rounds) +
            QStringLiteral("  ") +
            text(texts, explanation.options.dropLowest ? "EXPLAIN_DROP_ON" : "EXPLAIN_DROP_OFF"),
        QString(),
        text(texts, "SCORE_PRINT_ROUND_LABEL") + QStringLiteral(" : ") +
            QString::number(round.round)};
    if (!round.marksRead)
        lines << warning(round.marksRead.message);
    if (!round.stored)
        lines << text(texts, "EXPLAIN_NO_MARKS");
    lines << marksTable(round, texts) << QString() << roundPoints(round, texts) << QString()
          << normalisation(round, texts) << QString() << countedRounds(explanation, texts)
          << QString() << standing(explanation, texts);
    return lines;
}

} // namespace

QString ExplanationText(const ResultExplanation& explanation, const Texts& texts,
                        const QString& mainCaption) {
    const QStringList lines = explanationLines(explanation, texts, mainCaption);
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void PrintExplanation(const ResultExplanation& explanation, const Texts& texts,
                      const PrintSettings& settings, PrintTarget& target) {
    target.beginDocument(SetupOf(PrintVariant::Text, Orientation::Portrait, settings));
    for (const QString& line : explanationLines(explanation, texts, settings.caption))
        target.printLine(line);
    target.endDocument();
}

} // namespace veltra
