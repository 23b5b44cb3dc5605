#pragma once

#include "core/appstate.h"
#include "scoring/startorder.h"

class QWidget;

namespace veltra {

// Edit > Draw start order: warns when there are too few pilots, asks before drawing, draws,
// and then writes the competition file, also when nothing was drawn. Messages and questions
// appear over `parent`. Whether a new order was drawn.
bool EditStartorder(AppState& state, QWidget& parent, RandomSource& random);

} // namespace veltra
