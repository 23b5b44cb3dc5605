#pragma once

#include "web/livesnapshot.h"

#include <QByteArray>
#include <optional>

namespace veltra {

// The pages a phone shows, in UTF-8, each whole in itself: its stylesheet and its script are
// inside it, as the field has no internet. The script asks for the page again every second
// with the tag of what it shows and replaces what changed, without reloading.
QByteArray ResultsPage(const LiveSnapshot& snapshot);
QByteArray StartListPage(const LiveSnapshot& snapshot);
// The page of the pilot with start number `startNo`: the points of every round, the place, and
// how each round's points come from the marks. None when no pilot has the number.
std::optional<QByteArray> PilotPage(const LiveSnapshot& snapshot, int startNo);

// The same data for other programs, in JSON.
QByteArray ResultsJson(const LiveSnapshot& snapshot);
QByteArray StartListJson(const LiveSnapshot& snapshot);

} // namespace veltra
