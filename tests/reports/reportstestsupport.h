#pragma once

#include "core/ansitext.h"
#include "core/contest.h"
#include "core/language.h"
#include "core/texts.h"
#include "reports/recordingtarget.h"
#include "reports/reportframe.h"
#include "support/testsupport.h"

#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>

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
    Texts texts;
    EXPECT_TRUE(ReadLanguageFile(testData("report_texts.lng"), texts));
    return texts;
}

inline PrintSettings TextPrinter() {
    PrintSettings settings;
    settings.printerType = 1;
    return settings;
}

// The text printed there, or "<nothing>".
inline QString TextAtOr(const RecordedDocument& document, int page, int x, int y) {
    for (const RecordedText& text : document.texts) {
        if (text.page == page && text.x == x && text.y == y)
            return text.text;
    }
    return QStringLiteral("<nothing>");
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

// Everything a target recorded, one line per call in order: each document's page set-up, its
// texts with place, font and style, its ruled lines, and the text printer's lines.
inline QString LayoutOf(const RecordingTarget& target) {
    QString out;
    for (const RecordedDocument& d : target.documents) {
        out += QStringLiteral("document %1 quality %2 pages %3")
                   .arg(d.setup.orientation == Orientation::Landscape ? "landscape" : "portrait")
                   .arg(d.setup.quality)
                   .arg(d.pageCount);
        out += (d.setup.name.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(d.setup.name)) +
               u'\n';
        for (const RecordedText& t : d.texts)
            out += QStringLiteral("%1 %2,%3 %4 %5")
                       .arg(t.page)
                       .arg(t.x)
                       .arg(t.y)
                       .arg(t.fontSize)
                       .arg(t.fontName) +
                   (t.bold ? QStringLiteral(" bold") : QString()) +
                   (t.italic ? QStringLiteral(" italic") : QString()) + QStringLiteral(" \"") +
                   t.text + QStringLiteral("\"\n");
        for (const RecordedLine& l : d.lines)
            out += QStringLiteral("%1 line %2,%3 %4,%5 width %6 style %7\n")
                       .arg(l.page)
                       .arg(l.x1)
                       .arg(l.y1)
                       .arg(l.x2)
                       .arg(l.y2)
                       .arg(l.width)
                       .arg(l.style);
        for (const TextLine& line : d.textLines)
            out += QStringLiteral("text \"") + line.text + QStringLiteral("\"\n");
    }
    return out;
}

// The recorded layout compared with the expected file under tests/data, naming the first line
// that differs. With the environment variable VELTRA_REGENERATE_LAYOUTS set to 1 the expected
// file is written anew from the recording instead, for a change that moves things on purpose:
//     VELTRA_REGENERATE_LAYOUTS=1 build/bin/reports_test
// then look at every difference (git diff) and at the printed pages before committing.
inline void ExpectLayout(const RecordingTarget& target, const char* name) {
    if (qgetenv("VELTRA_REGENERATE_LAYOUTS") == "1") {
        EXPECT_TRUE(writeBytes(testData(name), LayoutOf(target).toUtf8())) << name;
        return;
    }
    const QStringList printed = LayoutOf(target).split(u'\n');
    const QStringList expected = QString::fromUtf8(readBytes(testData(name))).split(u'\n');
    for (qsizetype i = 0; i < std::max(printed.size(), expected.size()); ++i) {
        if (printed.value(i) != expected.value(i)) {
            ADD_FAILURE() << name << " line " << i + 1 << ": expected \""
                          << expected.value(i).toStdString() << "\", printed \""
                          << printed.value(i).toStdString() << '"';
            return;
        }
    }
}

// The title box stands 5 mm from either edge of the page, and the title, shrunk where it is
// too wide, fits inside it, centred.
inline void ExpectTitleInsideCentredBox(const RecordedDocument& document, int pageWidth) {
    ASSERT_FALSE(document.lines.empty() || document.texts.empty());
    const RecordedLine& top = document.lines.front();
    EXPECT_EQ(QList<int>({top.x1, top.x2}), QList<int>({5, pageWidth - 5}));
    const RecordedText& title = document.texts.front();
    const int width = static_cast<int>(title.text.size()) * title.fontSize / 5;
    EXPECT_GE(title.x, 6) << title.fontSize;
    EXPECT_LE(title.x + width, pageWidth - 6) << title.fontSize;
    EXPECT_NEAR(title.x + width / 2.0, pageWidth / 2.0, 1.0);
}

inline int PdfPageCount(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

inline Pilot pilot(int startNo, const char* name, const char* club, double channel, double kFactor,
                   std::initializer_list<double> scores) {
    Pilot p;
    p.StartNo = startNo;
    p.Name = QString::fromUtf8(name);
    p.Club = QString::fromUtf8(club);
    p.Plane = QStringLiteral("Extra 330");
    p.Engine = QStringLiteral("OS 160");
    p.Radio = QStringLiteral("Futaba");
    p.NACNo = QStringLiteral("NAK-%1").arg(startNo);
    p.Channel = channel;
    p.KFactor = kFactor;
    int r = 0;
    for (double s : scores)
        p.RoundScore[r++] = s;
    return p;
}

inline void addTeam(Contest& contest, const char* name,
                    std::initializer_list<const char*> members) {
    Team& team = contest.Teams[contest.TeamCount++];
    team.Name = QString::fromUtf8(name);
    team.MemberCount = 0;
    for (const char* member : members)
        team.Members[team.MemberCount++] = QString::fromUtf8(member);
}

// Five pilots over three rounds: two share the first place, one never scored, one has a name
// and a club longer than their columns; teams of two, one and four members.
inline Contest resultsContest() {
    Contest contest;
    contest.ContName = QString::fromUtf8("Vårcupen 2026");
    contest.ContLocation = QString::fromUtf8("Ørland flyplass");
    contest.ContDate = QStringLiteral("12.05.2026");
    contest.Rounds = 3;
    contest.Pilots[0] = pilot(1, "Bjørn Åsøy", "Tønsberg MFK", 35.01, 1.0, {572, 480.5, 610});
    contest.Pilots[1] = pilot(2, "Kåre Ås", "Bærum MFK", 35.03, 1.5, {590, 500, 590});
    contest.Pilots[2] = pilot(3, "Navn", "Klubb", 61, 1.1, {0, 0, 0});
    contest.Pilots[3] = pilot(7, "Per Olsen", "Tønsberg MFK", 35.01, 0.95, {572, 480.5, 610});
    contest.Pilots[4] = pilot(108, "Maximilian von Ravensberg-Lund", "Flyklubben Nordavind", 40.685,
                              1.25, {12.4, 300.25, 55});
    contest.PilotCount = 5;
    addTeam(contest, "Tønsberg", {"Bjørn Åsøy", "Per Olsen"});
    addTeam(contest, "Solo", {"Kåre Ås"});
    addTeam(contest, "Alle", {"Bjørn Åsøy", "Kåre Ås", "Navn", "Per Olsen"});
    return contest;
}

} // namespace veltra
