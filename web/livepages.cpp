#include "web/livepages.h"

#include "core/format.h"
#include "scoring/explanation.h"
#include "scoring/startorder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace veltra {
namespace {

// Black on white and large type, for a phone in the sun; nothing is fetched from elsewhere.
constexpr char kStyle[] =
    "*{box-sizing:border-box}"
    "body{margin:0;font:18px/1.35 system-ui,-apple-system,'Segoe UI',Roboto,sans-serif;"
    "color:#000;background:#fff}"
    "header{background:#000;color:#fff;padding:10px 12px 0}"
    "h1{font-size:23px;margin:0}h2{font-size:21px;margin:18px 0 6px}"
    "header p{margin:2px 0 6px;font-size:16px}"
    "nav a{display:inline-block;color:#fff;font-weight:700;text-decoration:none;"
    "padding:6px 0;margin-right:20px;border-bottom:4px solid #000}"
    "nav a[aria-current]{border-color:#ffd400}"
    "main{padding:6px 10px 56px}"
    "a{color:#0000c8}"
    "table{border-collapse:collapse;width:100%}"
    "th{text-align:left;font-size:15px;border-bottom:3px solid #000;padding:4px}"
    "td{padding:6px 3px;border-bottom:1px solid #000;vertical-align:top}"
    "tr.pilot td{border-bottom:0}"
    ".n{text-align:right;font-variant-numeric:tabular-nums;white-space:nowrap}"
    ".place{font-weight:800;font-size:22px;width:1.6em}"
    ".norm{font-size:15px}"
    ".total{font-weight:800}"
    "small{font-size:15px}"
    ".rounds{font-size:15px}"
    ".rounds span{display:inline-block;margin-right:12px;white-space:nowrap}"
    "del{text-decoration-thickness:2px}"
    ".now td{background:#ffd400}.next td{background:#ddd}"
    ".tag{font-weight:800;font-size:13px;text-transform:uppercase;border:2px solid #000;"
    "padding:0 4px;margin-left:6px;white-space:nowrap}"
    ".note{font-size:15px}"
    ".warn{border:3px solid #c00;padding:6px}"
    ".scroll{overflow-x:auto}"
    ".marks td,.marks th{padding:3px 4px;font-size:15px}"
    "summary{font-weight:700;padding:8px 0;cursor:pointer}"
    "#live{position:fixed;bottom:0;left:0;right:0;background:#c00;color:#fff;padding:10px;"
    "font-weight:700;display:none}"
    "body.offline #live{display:block}";

// Asks for the page again every second with the tag of what it shows: 304 leaves everything as
// it is, 200 replaces the page's content (keeping the rounds opened). A lost connection shows
// the bar at the bottom until an answer comes again, and nothing is held open in between.
constexpr char kScript[] =
    "(function(){var tag=null,busy=false;"
    "function tick(){if(busy)return;busy=true;var h={},c=new AbortController();"
    "if(tag)h['If-None-Match']=tag;var t=setTimeout(function(){c.abort()},5000);"
    "fetch(location.pathname,{cache:'no-store',headers:h,signal:c.signal}).then(function(r){"
    "document.body.classList.remove('offline');if(r.status!=200)return;"
    "tag=r.headers.get('ETag');return r.text().then(function(s){"
    "var d=new DOMParser().parseFromString(s,'text/html'),n=d.getElementById('page'),"
    "o=document.getElementById('page');if(!n||!o)return;"
    "o.querySelectorAll('details[open]').forEach(function(e){"
    "var m=n.querySelector('#'+e.id);if(m)m.open=true});"
    "o.replaceWith(n);document.title=d.title})"
    "}).catch(function(){document.body.classList.add('offline')})"
    ".then(function(){clearTimeout(t);busy=false})}"
    "setInterval(tick,1000);tick()})();";

QString text(const Texts& texts, const char* key) {
    return texts.get(QString::fromLatin1(key));
}

QString html(const QString& plain) {
    return plain.toHtmlEscaped();
}

// Normalised points and totals as the result lists show them; raw points as the results file
// keeps them.
QString listed(double value) {
    return FormatNumber(value, u"###0.0");
}
QString points(double value) {
    return FormatNumber(value, u"0.00");
}

enum class Page { Results, StartList, Pilot };

QString pageStart(const LiveSnapshot& snapshot, Page page, const QString& title) {
    const Texts& texts = snapshot.texts;
    const Contest& contest = snapshot.results.contest;
    const auto navLink = [&](Page target, const char* href, const char* key) {
        return QStringLiteral("<a href=\"%1\"%2>%3</a>")
            .arg(QString::fromLatin1(href),
                 target == page ? QStringLiteral(" aria-current=\"page\"") : QString(),
                 html(text(texts, key)));
    };
    QString out = QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                                 "<meta name=\"viewport\" content=\"width=device-width,"
                                 "initial-scale=1\"><title>") +
                  html(title) + QStringLiteral("</title><style>") + QLatin1String(kStyle) +
                  QStringLiteral("</style></head><body><div id=\"page\"><header><h1>");
    if (snapshot.open) {
        out += html(contest.ContName) + QStringLiteral("</h1><p>") + html(contest.ContLocation) +
               QStringLiteral(" &middot; ") + html(contest.ContDate) + QStringLiteral("</p>");
    } else {
        out += html(text(texts, "NO_COMPETITION_SELECTED")) + QStringLiteral("</h1>");
    }
    out += QStringLiteral("<nav>") + navLink(Page::Results, "/", "WEB_RESULTS") +
           navLink(Page::StartList, "/startlist", "WEB_START_LIST") +
           QStringLiteral("</nav></header><main>");
    return out;
}

QByteArray pageEnd(const LiveSnapshot& snapshot, QString out) {
    out += QStringLiteral("</main></div><p id=\"live\">") +
           html(text(snapshot.texts, "WEB_OFFLINE")) + QStringLiteral("</p><script>") +
           QLatin1String(kScript) + QStringLiteral("</script></body></html>");
    return out.toUtf8();
}

QString pageTitle(const LiveSnapshot& snapshot, const QString& what) {
    return snapshot.open ? snapshot.results.contest.ContName + QStringLiteral(" - ") + what : what;
}

QString pilotLink(const Pilot& pilot) {
    return QStringLiteral("<a href=\"/pilot/%1\">%2</a>").arg(pilot.StartNo).arg(html(pilot.Name));
}

bool isDropped(const PreparedResults& results, const Pilot& pilot, int round) {
    return results.options.dropLowest && pilot.DroppedRound == round;
}

QString roundsLine(const PreparedResults& results, const Pilot& pilot) {
    QString out;
    for (int r = 0; r < results.options.rounds; ++r) {
        const QString item =
            QStringLiteral("<b>%1</b>&nbsp;%2").arg(r + 1).arg(listed(pilot.RoundPoints[r]));
        out += isDropped(results, pilot, r)
                   ? QStringLiteral("<span><del>") + item + QStringLiteral("</del></span>")
                   : QStringLiteral("<span>") + item + QStringLiteral("</span>");
    }
    return out;
}

QString countedNote(const LiveSnapshot& snapshot) {
    const ResultOptions& options = snapshot.results.options;
    QString note =
        text(snapshot.texts, "EXPLAIN_ROUNDS_COUNTED").arg(options.rounds) + u' ' +
        text(snapshot.texts, options.dropLowest ? "EXPLAIN_DROP_ON" : "EXPLAIN_DROP_OFF");
    if (options.dropLowest)
        note += u' ' + text(snapshot.texts, "WEB_DROPPED_NOTE");
    return QStringLiteral("<p class=\"note\">") + html(note) + QStringLiteral("</p>");
}

QString pilotsTable(const LiveSnapshot& snapshot) {
    const PreparedResults& results = snapshot.results;
    const Texts& texts = snapshot.texts;
    QString out =
        QStringLiteral("<table id=\"pilots\"><thead><tr><th>#</th><th>") +
        html(text(texts, "RESULT_PRINT_NAME_HEADING")) + QStringLiteral("</th><th class=\"n\">") +
        html(text(texts, "RESULT_PRINT_TOTAL_HEADING")) + QStringLiteral("</th><th class=\"n\">") +
        html(text(texts, "RESULT_PRINT_NORMALIZED_HEADING")) +
        QStringLiteral("</th></tr></thead><tbody>");
    for (int i : results.pilotsByPlace) {
        const Pilot& pilot = results.contest.Pilots[i];
        out +=
            QStringLiteral("<tr class=\"pilot\"><td class=\"place\">%1</td><td>%2<br><small>%3 "
                           "&middot; %4</small></td><td class=\"n total\">%5</td>"
                           "<td class=\"n norm\">%6</td></tr>")
                .arg(pilot.Placed)
                .arg(pilotLink(pilot))
                .arg(pilot.StartNo)
                .arg(html(pilot.Club), listed(pilot.Total), listed(results.contest.NormTotal[i]));
        out += QStringLiteral("<tr class=\"rounds\"><td></td><td colspan=\"3\">") +
               roundsLine(results, pilot) + QStringLiteral("</td></tr>");
    }
    return out + QStringLiteral("</tbody></table>");
}

// Teams are numbered by their row, as the results view numbers them.
QString teamsTable(const LiveSnapshot& snapshot) {
    const PreparedResults& results = snapshot.results;
    if (results.contest.TeamCount < 1)
        return QString();
    const Texts& texts = snapshot.texts;
    QString out = QStringLiteral("<h2>") + html(text(texts, "RESULT_PRINT_TEAM_NAME_HEADING")) +
                  QStringLiteral("</h2><table id=\"teams\"><tbody>");
    int row = 0;
    for (int t : results.teamsByPlace) {
        const Team& team = results.contest.Teams[t];
        QStringList members;
        for (int m = 0; m < team.MemberCount && m < EditorMaxMembers; ++m)
            members << html(team.Members[m]) + QStringLiteral("&nbsp;") +
                           listed(team.MemberScore[m]);
        out += QStringLiteral("<tr><td class=\"place\">%1</td><td>%2<br><small>%3</small></td>"
                              "<td class=\"n total\">%4</td></tr>")
                   .arg(++row)
                   .arg(html(team.Name), members.join(QStringLiteral(" &middot; ")),
                        listed(team.Total));
    }
    return out + QStringLiteral("</tbody></table>");
}

QString startListRound(const LiveSnapshot& snapshot, int round) {
    const Contest& contest = snapshot.results.contest;
    const Texts& texts = snapshot.texts;
    QString out =
        QStringLiteral("<section id=\"r%1\"><h2>%2 %1</h2><table><thead><tr><th>#</th><th>%3</th>"
                       "<th>%4</th></tr></thead><tbody>")
            .arg(round)
            .arg(html(text(texts, "SCORE_PRINT_ROUND_LABEL")),
                 html(text(texts, "RESULT_PRINT_STARTNO_HEADING")),
                 html(text(texts, "RESULT_PRINT_NAME_HEADING")));
    const int first = FirstOfRound(contest, round);
    for (int row = 0; row < contest.PilotCount; ++row) {
        const int p = PilotAtRow(first, row, contest.PilotCount);
        const Pilot& pilot = contest.Pilots[p];
        const bool now = snapshot.now.pilot == p && snapshot.now.round == round;
        const bool next = snapshot.next.pilot == p && snapshot.next.round == round;
        const QString tag = now ? QStringLiteral("now") : next ? QStringLiteral("next") : QString();
        out += QStringLiteral("<tr%1><td>%2</td><td>%3</td><td>%4%5<br><small>%6</small></td></tr>")
                   .arg(tag.isEmpty() ? QString() : QStringLiteral(" class=\"") + tag + u'"')
                   .arg(row + 1)
                   .arg(pilot.StartNo)
                   .arg(pilotLink(pilot),
                        tag.isEmpty() ? QString()
                                      : QStringLiteral("<span class=\"tag\">") +
                                            html(text(texts, now ? "WEB_NOW" : "WEB_NEXT")) +
                                            QStringLiteral("</span>"),
                        html(pilot.Club));
    }
    return out + QStringLiteral("</tbody></table></section>");
}

QString nowLine(const LiveSnapshot& snapshot) {
    const Contest& contest = snapshot.results.contest;
    const Texts& texts = snapshot.texts;
    QString out;
    for (const auto& [who, key] :
         {std::pair{snapshot.now, "WEB_NOW"}, {snapshot.next, "WEB_NEXT"}}) {
        if (!who.valid())
            continue;
        const Pilot& pilot = contest.Pilots[who.pilot];
        out += QStringLiteral("<p><span class=\"tag\">%1</span> <a href=\"#r%2\">%3 %2</a>: %4 "
                              "%5</p>")
                   .arg(html(text(texts, key)))
                   .arg(who.round)
                   .arg(html(text(texts, "SCORE_PRINT_ROUND_LABEL")))
                   .arg(pilot.StartNo)
                   .arg(pilotLink(pilot));
    }
    return out;
}

// A mark in brackets where the row sum leaves it out, as the printed explanation marks it.
QString markCell(const ManeuverWorking& row, int judge) {
    const int mark = row.marks[judge];
    if (mark == ManeuverWorking::NoMark)
        return QStringLiteral("-");
    if (judge == row.droppedHighest)
        return QStringLiteral("(%1)").arg(mark);
    if (judge == row.droppedLowest)
        return QStringLiteral("[%1]").arg(mark);
    return QString::number(mark);
}

QString marksTable(const RoundWorking& round, const Texts& texts) {
    QString out = QStringLiteral("<div class=\"scroll\"><table class=\"marks\"><thead><tr><th>#"
                                 "</th><th>") +
                  html(text(texts, "SCORE_PRINT_MANEUVER_HEADING")) +
                  QStringLiteral("</th><th class=\"n\">K</th>");
    for (int j = 1; j <= round.judges; ++j)
        out += QStringLiteral("<th class=\"n\">%1</th>").arg(j);
    out += QStringLiteral("<th class=\"n\">") + html(text(texts, "EXPLAIN_ROW_HEADING")) +
           QStringLiteral("</th></tr></thead><tbody>");
    bool fewerAnywhere = false;
    // Appended piece by piece: a pilot's page holds thousands of these cells.
    const QString cell = QStringLiteral("<td class=\"n\">");
    const QString cellEnd = QStringLiteral("</td>");
    for (int m = 0; m < static_cast<int>(round.maneuvers.size()); ++m) {
        const ManeuverWorking& row = round.maneuvers[m];
        const bool fewer = row.droppedHighest == ManeuverWorking::NoJudge;
        fewerAnywhere = fewerAnywhere || fewer;
        out += QStringLiteral("<tr><td>") + QString::number(m + 1) + QStringLiteral("</td><td>") +
               html(row.name) + cellEnd + cell + QString::number(row.k) + cellEnd;
        for (int j = 0; j < round.judges; ++j)
            out += cell + markCell(row, j) + cellEnd;
        out += cell + (fewer ? QStringLiteral("* ") : QString()) + QString::number(row.rowSum) +
               QStringLiteral("</td></tr>");
    }
    out += QStringLiteral("</tbody></table></div><p class=\"note\">") +
           html(text(texts, "EXPLAIN_MARK_NOTES"));
    if (fewerAnywhere)
        out += QStringLiteral("<br>") + html(text(texts, "EXPLAIN_FEWER_NOTE"));
    return out + QStringLiteral("</p>");
}

QString valueRow(const QString& label, const QString& value) {
    return QStringLiteral("<tr><td>%1</td><td class=\"n\">%2</td></tr>").arg(html(label), value);
}

QString roundWorking(const RoundWorking& round, const Texts& texts) {
    QString out;
    if (!round.marksRead)
        out += QStringLiteral("<p class=\"warn\">") + html(round.marksRead.message) +
               QStringLiteral("</p>");
    if (!round.stored)
        out +=
            QStringLiteral("<p>") + html(text(texts, "EXPLAIN_NO_MARKS")) + QStringLiteral("</p>");
    out += marksTable(round, texts) + QStringLiteral("<table>") +
           valueRow(text(texts, "EXPLAIN_ROW_SUMS"), QString::number(round.rowSums)) +
           valueRow(text(texts, "SCORE_PRINT_BONUS_LABEL"),
                    (round.bonus > 0 ? QStringLiteral("+") : QString()) +
                        QString::number(round.bonus)) +
           valueRow(text(texts, "EXPLAIN_RAW_SUM"), QString::number(round.rawSum)) +
           valueRow(QStringLiteral("x ") + text(texts, "SCORE_PRINT_PILOT_KFACT_LABEL"),
                    FormatNumber(round.kFactor, u"0.00")) +
           valueRow(QStringLiteral("= ") + text(texts, "EXPLAIN_FROM_MARKS"),
                    points(round.fromMarks)) +
           valueRow(text(texts, "EXPLAIN_IN_RESULTS"), points(round.points));
    if (round.counted) {
        if (round.best.pilot >= 0) {
            out += valueRow(text(texts, "EXPLAIN_BEST_OF_ROUND") + QStringLiteral(": ") +
                                round.bestPilotName,
                            points(round.bestPilotPoints));
        }
        out +=
            valueRow(text(texts, "EXPLAIN_DIVISOR"), QString::number(round.best.points, 'f', 0)) +
            valueRow(text(texts, "EXPLAIN_NORMALISED") + QStringLiteral(": ") +
                         points(round.points) + QStringLiteral(" / ") +
                         QString::number(round.best.points, 'f', 0) + QStringLiteral(" x ") +
                         QString::number(NormalisedBest, 'f', 0),
                     QStringLiteral("<b>") + listed(round.normalised) + QStringLiteral("</b>"));
    }
    out += QStringLiteral("</table>");
    if (!round.agrees)
        out += QStringLiteral("<p class=\"warn\">") + html(text(texts, "EXPLAIN_DISAGREE")) +
               QStringLiteral("</p>");
    if (round.counted && round.best.pilot < 0)
        out += QStringLiteral("<p class=\"note\">") + html(text(texts, "EXPLAIN_NO_BEST")) +
               QStringLiteral("</p>");
    return out;
}

QString pilotStanding(const LiveSnapshot& snapshot, const ResultExplanation& explanation) {
    const Texts& texts = snapshot.texts;
    QString out =
        QStringLiteral("<table>") +
        valueRow(
            text(texts, "WEB_PLACE"),
            QStringLiteral("<b>%1</b> / %2").arg(explanation.placed).arg(explanation.pilotCount)) +
        valueRow(text(texts, "RESULT_PRINT_TOTAL_HEADING"),
                 QStringLiteral("<b>") + listed(explanation.total) + QStringLiteral("</b>")) +
        valueRow(text(texts, "RESULT_PRINT_NORMALIZED_HEADING"), listed(explanation.normTotal)) +
        QStringLiteral("</table><h2>") + html(text(texts, "SCORE_PRINT_ROUND_LABEL")) +
        QStringLiteral("</h2><table id=\"rounds\"><thead><tr><th>#</th><th class=\"n\">") +
        html(text(texts, "SCORE_PRINT_TOTAL_SUM_LABEL")) + QStringLiteral("</th><th class=\"n\">") +
        html(text(texts, "EXPLAIN_BEST_HEADING")) + QStringLiteral("</th><th class=\"n\">") +
        html(text(texts, "RESULT_PRINT_NORMALIZED_HEADING")) +
        QStringLiteral("</th></tr></thead><tbody>");
    for (int r = 0; r < static_cast<int>(explanation.rounds.size()); ++r) {
        const CountedRound& round = explanation.rounds[r];
        const bool dropped = explanation.options.dropLowest && r == explanation.droppedRound;
        const QString normalised = listed(round.normalised);
        out += QStringLiteral("<tr><td>%1</td><td class=\"n\">%2</td><td class=\"n\">%3</td>"
                              "<td class=\"n\">%4</td></tr>")
                   .arg(r + 1)
                   .arg(points(round.points), QString::number(round.best.points, 'f', 0),
                        dropped ? QStringLiteral("<del>") + normalised + QStringLiteral("</del>")
                                : normalised);
    }
    out += QStringLiteral("</tbody></table>");
    for (const TeamWorking& team : explanation.teams) {
        QStringList members;
        for (const MemberWorking& member : team.members)
            members << html(member.name) + QStringLiteral("&nbsp;") + listed(member.total);
        out +=
            QStringLiteral("<p>") +
            html(text(texts, "EXPLAIN_TEAM").arg(team.name).arg(team.placed).arg(team.teamCount)) +
            QStringLiteral(": <b>") + listed(team.total) + QStringLiteral("</b><br><small>") +
            members.join(QStringLiteral(" &middot; ")) + QStringLiteral("</small></p>");
    }
    return out;
}

int pilotWithStartNo(const Contest& contest, int startNo) {
    for (int i = 0; i < contest.PilotCount; ++i) {
        if (contest.Pilots[i].StartNo == startNo)
            return i;
    }
    return -1;
}

// A number as the lists show it, for programs to read as a number.
double listedNumber(double value) {
    return listed(value).toDouble();
}

QJsonObject contestJson(const LiveSnapshot& snapshot) {
    const Contest& contest = snapshot.results.contest;
    if (!snapshot.open)
        return {{QStringLiteral("open"), false}};
    return {{QStringLiteral("open"), true},
            {QStringLiteral("name"), contest.ContName},
            {QStringLiteral("location"), contest.ContLocation},
            {QStringLiteral("date"), contest.ContDate},
            {QStringLiteral("rounds"), contest.Rounds}};
}

QJsonValue whoJson(const LiveSnapshot& snapshot, PilotInRound who) {
    if (!who.valid())
        return QJsonValue::Null;
    const Pilot& pilot = snapshot.results.contest.Pilots[who.pilot];
    return QJsonObject{{QStringLiteral("round"), who.round},
                       {QStringLiteral("startNo"), pilot.StartNo},
                       {QStringLiteral("name"), pilot.Name}};
}

} // namespace

QByteArray ResultsPage(const LiveSnapshot& snapshot) {
    const QString title = text(snapshot.texts, "WEB_RESULTS");
    QString out = pageStart(snapshot, Page::Results, pageTitle(snapshot, title));
    if (snapshot.open && snapshot.results.options.rounds == 0) {
        out += QStringLiteral("<p>") + html(text(snapshot.texts, "WEB_NO_ROUNDS")) +
               QStringLiteral("</p>");
    } else if (snapshot.open) {
        out += countedNote(snapshot) + pilotsTable(snapshot) + teamsTable(snapshot);
    }
    return pageEnd(snapshot, out);
}

QByteArray StartListPage(const LiveSnapshot& snapshot) {
    const QString title = text(snapshot.texts, "WEB_START_LIST");
    QString out = pageStart(snapshot, Page::StartList, pageTitle(snapshot, title));
    if (snapshot.open) {
        out += nowLine(snapshot);
        for (int round = 1; round <= snapshot.results.contest.Rounds; ++round)
            out += startListRound(snapshot, round);
    }
    return pageEnd(snapshot, out);
}

std::optional<QByteArray> PilotPage(const LiveSnapshot& snapshot, int startNo) {
    const PreparedResults& results = snapshot.results;
    const int pilot = snapshot.open ? pilotWithStartNo(results.contest, startNo) : -1;
    if (pilot < 0)
        return std::nullopt;
    const Pilot& flown = results.contest.Pilots[pilot];
    const Texts& texts = snapshot.texts;
    QString out = pageStart(snapshot, Page::Pilot, pageTitle(snapshot, flown.Name));
    out += QStringLiteral("<h2>") + html(flown.Name) + QStringLiteral("</h2><p>") +
           html(text(texts, "RESULT_PRINT_STARTNO_HEADING")) + u' ' +
           QString::number(flown.StartNo) + QStringLiteral(" &middot; ") + html(flown.Club) +
           QStringLiteral("</p>");
    if (results.options.rounds == 0) {
        out += QStringLiteral("<p>") + html(text(texts, "WEB_NO_ROUNDS")) + QStringLiteral("</p>");
        return pageEnd(snapshot, out);
    }
    std::vector<ResultExplanation> rounds;
    for (int round = 1; round <= results.options.rounds; ++round)
        rounds.push_back(ExplainResult(results, snapshot.work, pilot, round));
    out += countedNote(snapshot) + pilotStanding(snapshot, rounds.front());
    for (const ResultExplanation& explanation : rounds) {
        out += QStringLiteral("<details id=\"d%1\"><summary>%2 %1: %3 &rarr; %4</summary>")
                   .arg(explanation.round.round)
                   .arg(html(text(texts, "SCORE_PRINT_ROUND_LABEL")),
                        points(explanation.round.points), listed(explanation.round.normalised)) +
               roundWorking(explanation.round, texts) + QStringLiteral("</details>");
    }
    return pageEnd(snapshot, out);
}

QByteArray ResultsJson(const LiveSnapshot& snapshot) {
    const PreparedResults& results = snapshot.results;
    const Contest& contest = results.contest;
    QJsonArray pilots;
    for (int i : results.pilotsByPlace) {
        const Pilot& pilot = contest.Pilots[i];
        QJsonArray rounds;
        for (int r = 0; r < results.options.rounds; ++r) {
            rounds.append(
                QJsonObject{{QStringLiteral("round"), r + 1},
                            {QStringLiteral("points"), points(pilot.RoundScore[r]).toDouble()},
                            {QStringLiteral("normalised"), listedNumber(pilot.RoundPoints[r])},
                            {QStringLiteral("dropped"), isDropped(results, pilot, r)}});
        }
        pilots.append(
            QJsonObject{{QStringLiteral("place"), pilot.Placed},
                        {QStringLiteral("startNo"), pilot.StartNo},
                        {QStringLiteral("name"), pilot.Name},
                        {QStringLiteral("club"), pilot.Club},
                        {QStringLiteral("rounds"), rounds},
                        {QStringLiteral("total"), listedNumber(pilot.Total)},
                        {QStringLiteral("normalisedTotal"), listedNumber(contest.NormTotal[i])}});
    }
    QJsonArray teams;
    int row = 0;
    for (int t : results.teamsByPlace) {
        const Team& team = contest.Teams[t];
        QJsonArray members;
        for (int m = 0; m < team.MemberCount && m < EditorMaxMembers; ++m) {
            members.append(
                QJsonObject{{QStringLiteral("name"), team.Members[m]},
                            {QStringLiteral("total"), listedNumber(team.MemberScore[m])}});
        }
        teams.append(QJsonObject{{QStringLiteral("row"), ++row},
                                 {QStringLiteral("name"), team.Name},
                                 {QStringLiteral("members"), members},
                                 {QStringLiteral("total"), listedNumber(team.Total)}});
    }
    const QJsonObject root{{QStringLiteral("contest"), contestJson(snapshot)},
                           {QStringLiteral("roundsCounted"), results.options.rounds},
                           {QStringLiteral("dropLowest"), results.options.dropLowest},
                           {QStringLiteral("pilots"), snapshot.open ? pilots : QJsonArray()},
                           {QStringLiteral("teams"), snapshot.open ? teams : QJsonArray()}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QByteArray StartListJson(const LiveSnapshot& snapshot) {
    const Contest& contest = snapshot.results.contest;
    QJsonArray rounds;
    for (int round = 1; snapshot.open && round <= contest.Rounds; ++round) {
        QJsonArray pilots;
        const int first = FirstOfRound(contest, round);
        for (int row = 0; row < contest.PilotCount; ++row) {
            const int p = PilotAtRow(first, row, contest.PilotCount);
            const Pilot& pilot = contest.Pilots[p];
            pilots.append(QJsonObject{
                {QStringLiteral("order"), row + 1},
                {QStringLiteral("startNo"), pilot.StartNo},
                {QStringLiteral("name"), pilot.Name},
                {QStringLiteral("club"), pilot.Club},
                {QStringLiteral("now"), snapshot.now.pilot == p && snapshot.now.round == round},
                {QStringLiteral("next"),
                 snapshot.next.pilot == p && snapshot.next.round == round}});
        }
        rounds.append(
            QJsonObject{{QStringLiteral("round"), round}, {QStringLiteral("pilots"), pilots}});
    }
    const QJsonObject root{{QStringLiteral("contest"), contestJson(snapshot)},
                           {QStringLiteral("now"), whoJson(snapshot, snapshot.now)},
                           {QStringLiteral("next"), whoJson(snapshot, snapshot.next)},
                           {QStringLiteral("rounds"), rounds}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace veltra
