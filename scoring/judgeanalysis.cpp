#include "scoring/judgeanalysis.h"

#include "core/format.h"
#include "core/numbers.h"
#include "core/savefile.h"
#include "scoring/scorefiles.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <optional>

namespace veltra {
namespace {

const QString kTab = QStringLiteral("\t");
const QString kCrLf = QStringLiteral("\r\n");

struct PilotMarks {
    std::array<double, MaxJudges> sum{};
    std::array<int, MaxJudges> count{};
    std::array<double, MaxJudges> weighted{};
};

// Marks are almost always one or two digits; those skip the general number conversion.
std::optional<double> markValue(QByteArrayView field) {
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9' || field.size() > 2)
            return ParseReal(field);
        value = value * 10 + (c - '0');
    }
    return field.isEmpty() ? std::nullopt : std::optional<double>(value);
}

// Reads each round score file of the pilot once for both tables.
PilotMarks collect(const Contest& contest, const Workspace& work, const Pilot& pilot) {
    PilotMarks marks;
    const int judges = std::min(contest.JudgeCount, MaxJudges);
    for (int round = 1; round <= contest.Rounds; ++round) {
        const QString path = RoundScoreFilePath(contest, work, pilot.Name, round);
        const std::optional<QByteArray> bytes = ReadWholeFile(path);
        if (!bytes)
            continue;
        int line = 0;
        ScanRoundScoreFile(
            *bytes, judges,
            [&](const RoundScoreLine& score) {
                const int k = line < MaxManeuvers ? contest.ManeuverK[line] : 0;
                const bool weighted = line < std::min(contest.ManeuverCount, MaxManeuvers);
                ++line;
                for (int j = 0; j < score.markCount; ++j) {
                    const std::optional<double> mark = markValue(score.marks[j]);
                    if (!mark)
                        continue;
                    marks.sum[j] += *mark;
                    ++marks.count[j];
                    if (weighted)
                        marks.weighted[j] += *mark * k;
                }
            },
            [](QByteArrayView) {});
    }
    return marks;
}

QString nameColumn(const QString& text) {
    return FormatText(text, u"!@@@@@@@@@@@@@@@@@@@@@@@@@");
}

QString sixWide(double value, QStringView pattern) {
    return FormatText(FormatNumber(value, pattern), u"@@@@@@");
}

const QString kBlankAverage = QStringLiteral("      ");

QString heading(const Texts& texts, const char* key) {
    return QStringLiteral("===== ") + texts.get(QString::fromLatin1(key)) +
           QStringLiteral(" =====");
}

QString judgeHeading(const Contest& contest, const Texts& texts) {
    QString line = nameColumn(texts.get(QStringLiteral("COMPETITOR_PRINT_NAME_HEADING"))) + kTab;
    const QString judge = texts.get(QStringLiteral("JUDGE_ANALYSIS_JUDGE_COLUMN"));
    for (int j = 1; j <= contest.JudgeCount; ++j)
        line += judge + QString::number(j) + kTab;
    return line;
}

QString averagesLine(const Contest& contest, const Pilot& pilot, const PilotMarks& marks) {
    QString line = nameColumn(pilot.Name) + kTab;
    double sumOfAverages = 0.0;
    bool complete = contest.JudgeCount > 0;
    for (int j = 0; j < contest.JudgeCount; ++j) {
        if (marks.count[j] == 0) {
            line += kBlankAverage + kTab;
            complete = false;
            continue;
        }
        const double average = marks.sum[j] / marks.count[j];
        sumOfAverages += average;
        line += sixWide(average, u"#0.000") + kTab;
    }
    line +=
        (complete ? sixWide(sumOfAverages / contest.JudgeCount, u"#0.000") : kBlankAverage) + kTab;
    return line;
}

QString weightedLine(const Contest& contest, const Pilot& pilot, const PilotMarks& marks) {
    QString line = nameColumn(pilot.Name) + kTab;
    for (int j = 0; j < contest.JudgeCount; ++j)
        line += sixWide(marks.weighted[j], u"#000.0") + kTab;
    return line;
}

} // namespace

QString JudgeAnalysisText(const Contest& contest, const Workspace& work, const Texts& texts,
                          const QString& mainCaption) {
    std::array<PilotMarks, MaxPilots> all;
    for (int i = 0; i < contest.PilotCount; ++i)
        all[i] = collect(contest, work, contest.Pilots[i]);

    QString text;
    text += heading(texts, "JUDGE_ANALYSIS_MAIN_HEADING") + QString(15, u' ') + mainCaption + kCrLf;
    text += kCrLf;
    text += heading(texts, "JUDGE_ANALYSIS_AVERAGE_HEADING") + kCrLf;
    text += judgeHeading(contest, texts) +
            texts.get(QStringLiteral("JUDGE_ANALYSIS_AVERAGE_COLUMN")) + kCrLf;
    for (int i = 0; i < contest.PilotCount; ++i)
        text += averagesLine(contest, contest.Pilots[i], all[i]) + kCrLf;
    text += kCrLf;
    text += heading(texts, "JUDGE_ANALYSIS_SUM_HEADING") + kCrLf;
    text += judgeHeading(contest, texts) + kCrLf;
    for (int i = 0; i < contest.PilotCount; ++i)
        text += weightedLine(contest, contest.Pilots[i], all[i]) + kCrLf;
    return text;
}

} // namespace veltra
