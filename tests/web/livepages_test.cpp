#include "web/livepages.h"
#include "webcontest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using namespace veltra;

namespace {

QJsonObject json(const QByteArray& bytes) {
    return QJsonDocument::fromJson(bytes).object();
}

// The texts of the page's elements matching `pattern`, in order, tags removed.
QStringList found(const QByteArray& page, const char* pattern) {
    QStringList texts;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QString::fromLatin1(pattern)).globalMatch(QString::fromUtf8(page));
    while (it.hasNext())
        texts << it.next().captured(1).remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return texts;
}

} // namespace

using LivePages = WebContest;

TEST_F(LivePages, ResultsListTheStandingsOfTheRoundsFlownWithTheDroppedRoundStruckThrough) {
    const LiveSnapshot snapshot = take();
    const QByteArray page = ResultsPage(snapshot);
    EXPECT_EQ(found(page, "<td class=\"place\">(\\d+)</td><td><a"),
              (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(found(page, "<a href=\"/pilot/\\d+\">([^<]*)</a>"),
              (QStringList{"B", "A", "C&lt;&amp;&gt;", "D"}));
    EXPECT_EQ(found(page, "<td class=\"n total\">([^<]*)</td>"),
              (QStringList{"2000.0", "1600.0", "250.0", "0.0", "1850.0"}));
    EXPECT_EQ(found(page, "<del>(.*?)</del>"),
              (QStringList{"2&nbsp;500.0", "3&nbsp;500.0", "2&nbsp;0.0", "1&nbsp;0.0"}));
    EXPECT_TRUE(page.contains("Rounds counted: 1 to 3."));
    EXPECT_TRUE(page.contains("Team X"));
    EXPECT_TRUE(page.contains(QString::fromUtf8("Tønsberg MFK").toUtf8()));
    EXPECT_FALSE(page.contains("C<&>"));
    EXPECT_FALSE(page.contains("http:")); // nothing is fetched from elsewhere

    const QJsonObject results = json(ResultsJson(snapshot));
    EXPECT_EQ(results["roundsCounted"].toInt(), 3);
    EXPECT_TRUE(results["dropLowest"].toBool());
    const QJsonObject second = results["pilots"].toArray()[1].toObject();
    EXPECT_EQ(second["name"].toString(), "A");
    EXPECT_EQ(second["place"].toInt(), 2);
    EXPECT_EQ(second["total"].toDouble(), 1600.0);
    EXPECT_EQ(second["normalisedTotal"].toDouble(), 800.0);
    const QJsonObject third = second["rounds"].toArray()[2].toObject();
    EXPECT_EQ(third["points"].toDouble(), 100.0);
    EXPECT_EQ(third["normalised"].toDouble(), 500.0);
    EXPECT_TRUE(third["dropped"].toBool());
    EXPECT_EQ(results["teams"].toArray()[0].toObject()["total"].toDouble(), 1850.0);

    // The results are a copy: the store's own result fields are untouched.
    EXPECT_EQ(contest.Pilots[0].Total, 0.0);
    EXPECT_EQ(contest.Pilots[0].Placed, 0);
}

TEST_F(LivePages, TheStartListMarksWhoFliesNowAndNextAcrossTheEndOfARound) {
    // Four pilots and four rounds: round r starts with pilot r - 1.
    const QByteArray lastOfRound = StartListPage(take({3, 1}));
    EXPECT_EQ(found(lastOfRound, "<tr class=\"now\"><td>\\d+</td><td>\\d+</td><td>(.*?)<br>"),
              QStringList{"Dnow"});
    EXPECT_TRUE(lastOfRound.contains("<section id=\"r2\"><h2>Round 2</h2><table><thead><tr><th>#"
                                     "</th><th>S-#</th><th>Name</th></tr></thead><tbody><tr "
                                     "class=\"next\"><td>1</td><td>2</td>"));

    const QJsonObject list = json(StartListJson(take({1, 2})));
    EXPECT_EQ(list["now"].toObject()["name"].toString(), "B");
    EXPECT_EQ(list["next"].toObject()["name"].toString(), QStringLiteral("C<&>"));
    EXPECT_EQ(list["next"].toObject()["round"].toInt(), 2);
    const QJsonArray round2 = list["rounds"].toArray()[1].toObject()["pilots"].toArray();
    EXPECT_EQ(round2[0].toObject()["name"].toString(), "B");
    EXPECT_TRUE(round2[0].toObject()["now"].toBool());
    EXPECT_TRUE(round2[1].toObject()["next"].toBool());
    EXPECT_EQ(round2[3].toObject()["name"].toString(), "A");

    // The last pilot of the last round has nobody after him; nobody is now when the score
    // entry window is closed.
    EXPECT_TRUE(json(StartListJson(take({2, 4})))["next"].isNull());
    EXPECT_FALSE(StartListPage(take()).contains("class=\"now\""));
}

TEST_F(LivePages, APilotsPageExplainsEachRoundFromTheMarks) {
    const std::optional<QByteArray> page = PilotPage(take(), 1);
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->contains("<h2>A</h2>"));
    EXPECT_TRUE(page->contains("<b>2</b> / 4"));
    EXPECT_TRUE(page->contains("<td>Loop</td><td class=\"n\">6</td><td class=\"n\">(10)</td><td "
                               "class=\"n\">10</td><td class=\"n\">10</td><td class=\"n\">[9]</td>"
                               "<td class=\"n\">120</td>"));
    EXPECT_TRUE(page->contains("<summary>Round 1: 120.00 &rarr; 600.0</summary>"));
    EXPECT_TRUE(page->contains("120.00 / 200 x 1000"));
    EXPECT_TRUE(page->contains("<del>500.0</del>"));
    EXPECT_TRUE(page->contains("No marks are stored for this pilot and round."));
    // The results hold points for rounds 2 and 3 that no stored marks give.
    EXPECT_EQ(page->count("The marks give other points"), 2);
    EXPECT_TRUE(page->contains("Team Team X: place 1 of 1"));
    EXPECT_FALSE(PilotPage(take(), 77));
}
