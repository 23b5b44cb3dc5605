#include "reports/scoresheets.h"

#include <algorithm>
#include <vector>

namespace veltra {
namespace {

constexpr int Blank = -1; // no judge or pilot: the names are written in by hand
constexpr int SheetFontSize = 12;
constexpr int TableLeft = 5;
constexpr int TableTop = 35;
constexpr int HeadingBottom = 43;
constexpr int RowHeight = 8;
constexpr int KLeft = 105;
constexpr int RoundBox = 10;
constexpr int RightMargin = 5; // the paper's edge a round box must stay clear of
constexpr const char* FillIn = "____________________";

struct Sheet {
    int judge;
    int pilot;
};

std::vector<Sheet> SheetsOf(const Contest& contest, const ScoreSheetOptions& options) {
    std::vector<Sheet> sheets;
    switch (options.choice) {
    case ScoreSheetChoice::AllJudgesAndPilots:
        for (int j = 0; j < contest.JudgeCount; ++j) {
            for (int p = 0; p < contest.PilotCount; ++p)
                sheets.push_back({j, p});
        }
        break;
    case ScoreSheetChoice::OneJudgeAllPilots:
        if (options.judge >= 0 && options.judge < contest.JudgeCount) {
            for (int p = 0; p < contest.PilotCount; ++p)
                sheets.push_back({options.judge, p});
        }
        break;
    case ScoreSheetChoice::AllJudgesOnePilot:
        if (options.pilot >= 0 && options.pilot < contest.PilotCount) {
            for (int j = 0; j < contest.JudgeCount; ++j)
                sheets.push_back({j, options.pilot});
        }
        break;
    case ScoreSheetChoice::OneSingleSheet:
        sheets.push_back({Blank, Blank});
        break;
    case ScoreSheetChoice::Cancelled:
        break;
    }
    return sheets;
}

QString PilotLabel(const Texts& texts) {
    return texts.get(QStringLiteral("SCORESHEET_PILOT_LABEL"));
}

QString JudgeLabel(const Texts& texts) {
    return texts.get(QStringLiteral("SCORESHEET_JUDGE_LABEL"));
}

QString PilotPart(const Contest& contest, const Texts& texts, int pilot) {
    return PilotLabel(texts) + RightIn(pilot + 1, 2) + QStringLiteral(" : ") +
           LeftIn(contest.Pilots[pilot].Name, 20) + u' ';
}

// "Pilot 3 Kåre Ås - Judge 2 Jon Tveit", so that a sheet can be found in the printer's queue.
QString SheetName(const Contest& contest, const Texts& texts, const Sheet& sheet) {
    if (sheet.pilot == Blank)
        return QString();
    const auto part = [](const QString& label, int index, const QString& name) {
        return label.trimmed() + u' ' + QString::number(index + 1) + u' ' + name.trimmed();
    };
    return part(PilotLabel(texts), sheet.pilot, contest.Pilots[sheet.pilot].Name) +
           QStringLiteral(" - ") +
           part(JudgeLabel(texts), sheet.judge, contest.Judges[sheet.judge].Name);
}

QString JudgePart(const Contest& contest, const Texts& texts, int judge, int nameWidth) {
    return JudgeLabel(texts) + RightIn(judge + 1, 2) + QStringLiteral(" : ") +
           LeftIn(contest.Judges[judge].Name, nameWidth);
}

// Maneuvers per page: a page that continues on the next holds the table only, the last page
// also the band and the noise row below it. Every page holds at least one maneuver.
std::vector<RowRange> ManeuverPages(int maneuvers, int bodyBottom) {
    const int onLastPage = (bodyBottom - HeadingBottom - 2 * RowHeight) / RowHeight;
    const int onOtherPages = (bodyBottom - HeadingBottom) / RowHeight;
    return SplitRowsIntoPages(maneuvers, onOtherPages, onLastPage);
}

struct Columns {
    int kLeft;     // the K-factor column; the maneuver names end here
    int roundLeft; // the first round box
    int right;
};

// Ten rounds would run past a portrait page; the maneuver names then give up the room.
Columns ColumnsFor(int rounds, int pageWidth) {
    const int shift = std::max(0, KLeft + RoundBox * (rounds + 1) - (pageWidth - RightMargin));
    return {KLeft - shift, KLeft + RoundBox - shift, KLeft + RoundBox * (rounds + 1) - shift};
}

void DrawSheetPage(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                   const Sheet& sheet, RowRange rows, PageNumber page, PrintTarget& target) {
    const bool lastPage = page.page == page.pages;
    DrawReportFrame(target, contest, settings, FooterBold::Off, page);
    target.setFontSize(SheetFontSize);
    target.setBold(true);
    if (sheet.pilot == Blank) {
        const QString fillIn = QStringLiteral(" : ") + QString::fromLatin1(FillIn);
        PrintAt(target, 5, 25, PilotLabel(texts) + fillIn);
        PrintAt(target, 100, 25, JudgeLabel(texts) + fillIn);
    } else {
        PrintAt(target, 5, 25, PilotPart(contest, texts, sheet.pilot));
        PrintAt(target, 100, 25, JudgePart(contest, texts, sheet.judge, 30));
    }

    const int rounds = contest.Rounds;
    const Columns columns = ColumnsFor(rounds, target.pageWidth());
    const int tableBottom = HeadingBottom + RowHeight * rows.count;
    const int noiseTop = tableBottom + RowHeight;
    const int bottom = lastPage ? noiseTop + RowHeight : tableBottom;
    HorizontalLine(target, RuleWidth, TableLeft, columns.right, TableTop);
    for (int m = 0; m <= rows.count; ++m)
        HorizontalLine(target, RuleWidth, TableLeft, columns.right, HeadingBottom + RowHeight * m);
    if (lastPage) {
        HorizontalLine(target, RuleWidth, TableLeft, columns.right, noiseTop);
        HorizontalLine(target, RuleWidth, TableLeft, columns.right, bottom);
    }
    VerticalLine(target, RuleWidth, TableLeft, TableTop, bottom);
    VerticalLine(target, RuleWidth, columns.right, TableTop, bottom);
    VerticalLine(target, RuleWidth, 15, TableTop, tableBottom);
    VerticalLine(target, RuleWidth, columns.kLeft, TableTop, tableBottom);
    for (int r = 0; r < rounds; ++r)
        VerticalLine(target, RuleWidth, columns.roundLeft + RoundBox * r, TableTop, tableBottom);
    if (lastPage) {
        for (int r = 0; r < rounds; ++r)
            VerticalLine(target, RuleWidth, columns.roundLeft + RoundBox * r, noiseTop, bottom);
    }

    PrintAt(target, 8, 37, QStringLiteral("#"));
    PrintAt(target, columns.kLeft + 3, 37, QStringLiteral("K"));
    PrintAt(target, 18, 37, texts.get(QStringLiteral("SCORESHEET_MANEUVER_HEADING")));
    target.setBold(false);
    for (int m = rows.first; m < rows.first + rows.count; ++m) {
        const int y = 37 + RowHeight * (m - rows.first + 1);
        PrintNumber(target, 13, y, QString::number(m + 1));
        PrintAt(target, 18, y, contest.ManeuverName[m]);
        PrintNumber(target, columns.kLeft + 7, y, QString::number(contest.ManeuverK[m]));
    }
    if (lastPage)
        PrintAt(target, 8, noiseTop + 2, texts.get(QStringLiteral("SCORESHEET_NOISE_TEXT")));
    target.setBold(true);
    for (int r = 0; r < rounds; ++r)
        PrintNumber(target, columns.roundLeft + 7 + RoundBox * r, 37, QString::number(r + 1));
    target.setBold(false);
}

void PrintGraphicSheet(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                       const Sheet& sheet, PrintTarget& target) {
    BeginGraphicJob(target, Orientation::Portrait, settings, SheetName(contest, texts, sheet));
    const std::vector<RowRange> pages =
        ManeuverPages(contest.ManeuverCount, BodyBottom(target.pageHeight()));
    const int count = static_cast<int>(pages.size());
    for (int page = 0; page < count; ++page) {
        if (page > 0)
            target.newPage();
        DrawSheetPage(contest, texts, settings, sheet, pages[page], {page + 1, count}, target);
    }
    target.endDocument();
}

void PrintTextSheet(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                    const Sheet& sheet, PrintTarget& target) {
    BeginTextJob(target, contest, settings, BlankAfterCaption::Yes,
                 SheetName(contest, texts, sheet));
    const QString fillIn = QStringLiteral(": ") + QString::fromLatin1(FillIn);
    const QString labels = sheet.pilot == Blank
                               ? LeftIn(PilotLabel(texts) + fillIn, 50) + JudgeLabel(texts) + fillIn
                               : LeftIn(PilotPart(contest, texts, sheet.pilot), 50) +
                                     JudgePart(contest, texts, sheet.judge, 25) + u' ';
    target.printLine(labels);
    target.printLine(QString());

    const int rounds = contest.Rounds;
    QString heading = QStringLiteral("| #|") +
                      LeftIn(texts.get(QStringLiteral("SCORESHEET_MANEUVER_HEADING")), 40) +
                      QStringLiteral(" | K |");
    QString boxes;
    for (int r = 0; r < rounds; ++r) {
        heading += RightIn(r + 1, 2) + QStringLiteral(" |");
        boxes += QStringLiteral("   |");
    }
    const QString rule(heading.size(), u'-');
    target.printLine(rule);
    target.printLine(heading);
    target.printLine(rule);
    target.setRunningHeading({rule, heading, rule});
    for (int m = 0; m < contest.ManeuverCount; ++m) {
        target.printLine(u'|' + RightIn(m + 1, 2) + u'|' + LeftIn(contest.ManeuverName[m], 40) +
                         QStringLiteral(" |") + RightIn(contest.ManeuverK[m], 2) +
                         QStringLiteral(" |") + boxes);
        target.printLine(rule);
    }
    target.printLine(LeftIn(u'|' + texts.get(QStringLiteral("SCORESHEET_NOISE_TEXT")), 49) + u'|' +
                     boxes);
    target.printLine(rule);
    target.endDocument();
}

} // namespace

int ScoreSheetCount(const Contest& contest, ScoreSheetChoice choice) {
    switch (choice) {
    case ScoreSheetChoice::AllJudgesAndPilots:
        return contest.PilotCount * contest.JudgeCount;
    case ScoreSheetChoice::OneJudgeAllPilots:
        return contest.PilotCount;
    case ScoreSheetChoice::AllJudgesOnePilot:
        return contest.JudgeCount;
    case ScoreSheetChoice::OneSingleSheet:
        return 1;
    case ScoreSheetChoice::Cancelled:
        break;
    }
    return 0;
}

void PrintScoreSheets(const Contest& contest, const Texts& texts, const PrintSettings& settings,
                      const ScoreSheetOptions& options, PrintTarget& target) {
    const std::vector<Sheet> sheets = SheetsOf(contest, options);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (VariantOf(settings) == PrintVariant::Graphic)
            PrintGraphicSheet(contest, texts, settings, sheets[i], target);
        else
            PrintTextSheet(contest, texts, settings, sheets[i], target);
        ReportProgressValue(settings, static_cast<int>((i + 1) * 100 / sheets.size()));
    }
}

} // namespace veltra
