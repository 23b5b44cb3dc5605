#include "ui/startorderdraw.h"

#include "core/contestfiles.h"
#include "ui/editorsupport.h"

#include <QMessageBox>

namespace veltra {
namespace {

bool confirmed(const AppState& state, QWidget& parent) {
    if (state.contest.PilotCount < MinPilotsToDraw) {
        QMessageBox::warning(&parent, QString::fromLatin1(ProgramName),
                             state.texts.get(QStringLiteral("TOO_FEW_TO_DRAW_STARTORDER_WARNING")));
        return false;
    }
    return AskOkCancel(parent, state.texts,
                       state.texts.get(QStringLiteral("DRAW_STARTORDER_CONFIRM_MESSAGE")));
}

} // namespace

bool EditStartorder(AppState& state, QWidget& parent, RandomSource& random) {
    const bool drawn = confirmed(state, parent);
    if (drawn)
        DrawStartOrder(state.contest, random);
    const Status saved = SaveContest(state.contest, state.work, state.texts);
    if (!saved)
        QMessageBox::critical(&parent, QString::fromLatin1(ProgramName), saved.message);
    return drawn;
}

} // namespace veltra
