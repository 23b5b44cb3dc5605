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

// The schedule editor lists maneuvers with the name in 45 characters when it opens and in 30
// for lines added or changed while it stays open.
inline constexpr int ManeuverNameWidthWide = 45;
inline constexpr int ManeuverNameWidthShort = 30;

// " # Manøver ... K" with the name column `nameWidth` wide.
QString ManeuverListHeading(int nameWidth);

// Number of maneuver m (from 1) in 2, its name in `nameWidth`, its K-factor in 2 characters.
QString ManeuverListLine(const Contest& contest, int m, int nameWidth);

} // namespace veltra
