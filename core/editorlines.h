#pragma once

#include "core/contest.h"

#include <QString>

namespace veltra {

// A pilot's channel as the windows show it: a frequency "00.000" when the frequency display
// mode is 0, a channel number "00" when it is 1.
QString PilotChannelText(double channel, int frequencyDisplayMode);

// The channel in the pilot editor's box: as the lists show it, unless that would lose part of
// the value (a frequency while channel numbers are shown), then in full.
QString PilotChannelBoxText(double channel, int frequencyDisplayMode);

// The competition editor's judge line: number in 2, name in 25, nation in 15 characters.
QString JudgeListLine(const Contest& contest, int index);

// The competition editor's pilot line: position in 2, name in 25, club in 15, then the channel.
QString PilotListLine(const Contest& contest, int index, int frequencyDisplayMode);

// The schedule editor's heading " # Manøver ... K" (the language's word for a maneuver) over
// the lines of its maneuvers: the number of maneuver m (from 1) in 2, its name in 45 and its
// K-factor in 2 characters, so that the K column stays aligned also after an edit.
QString ManeuverListHeading(const QString& maneuverWord);
QString ManeuverListLine(const Contest& contest, int m);

} // namespace veltra
