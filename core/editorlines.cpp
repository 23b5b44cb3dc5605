#include "core/editorlines.h"

#include "core/format.h"
#include "core/numbers.h"

namespace veltra {
namespace {

QString leftIn(const QString& text, int width) {
    return FormatText(text, u'!' + QString(width, u'@'));
}

constexpr int kManeuverNameWidth = 45;

QString rightIn2(const QString& text) {
    return FormatText(text, u"@@");
}

} // namespace

QString PilotChannelText(double channel, int frequencyDisplayMode) {
    return FormatNumber(channel, frequencyDisplayMode == 1 ? u"00" : u"00.000");
}

QString PilotChannelBoxText(double channel, int frequencyDisplayMode) {
    const QString shown = PilotChannelText(channel, frequencyDisplayMode);
    return ParseReal(shown) == channel ? shown : NumberText(channel);
}

QString JudgeListLine(const Contest& contest, int index) {
    const Judge& judge = contest.Judges[index];
    return rightIn2(QString::number(index + 1)) + u' ' + leftIn(judge.Name, 25) + u' ' +
           leftIn(judge.Nation, 15);
}

QString PilotListLine(const Contest& contest, int index, int frequencyDisplayMode) {
    const Pilot& pilot = contest.Pilots[index];
    return rightIn2(QString::number(index + 1)) + u' ' + leftIn(pilot.Name, 25) + u' ' +
           leftIn(pilot.Club, 15) + u' ' + PilotChannelText(pilot.Channel, frequencyDisplayMode);
}

QString ManeuverListHeading(const QString& maneuverWord) {
    return rightIn2(QStringLiteral("#")) + u' ' + leftIn(maneuverWord, kManeuverNameWidth) + u' ' +
           rightIn2(QStringLiteral("K"));
}

QString ManeuverListLine(const Contest& contest, int m) {
    return rightIn2(QString::number(m)) + u' ' +
           leftIn(contest.ManeuverName[m - 1], kManeuverNameWidth) + u' ' +
           rightIn2(QString::number(contest.ManeuverK[m - 1]));
}

} // namespace veltra
