#pragma once

#include "core/appstate.h"
#include "core/status.h"
#include "scoring/marks.h"

#include <QDialog>
#include <QIcon>
#include <functional>
#include <memory>
#include <vector>

class QFontMetrics;

namespace Ui {
class ScoresForm;
}

namespace veltra {

// The grid in which the judges' marks of one pilot and round are typed, one key per mark.
// Row 0 is the heading, rows 1 .. maneuvers hold the marks, the last row the judges' sums;
// columns 0 and 1 hold the maneuver and its K-factor, the last column the row sums.
//
// A round is stored when the pilot or round changes, on Next pilot, on Return and when the
// window is closed, and only when it was changed: a mark or the bonus typed, or points that
// differ from the stored ones because the pilot's K-factor changed. A round file that could not
// be read is shown as far as it was read and replaced only after a question; one holding marks
// the grid cannot show is never replaced. A store that fails keeps the window, the pilot and the
// marks, and offers another folder or leaving without storing.
//
// The keyboard does it all: Tab leaves the grid for the controls beside it, Delete and Backspace
// empty a cell, Ctrl+Z takes back the changes made since the round was read or stored. The
// pilot list marks the pilots whose marks of the round shown are stored, and a line says whether
// the round shown waits to be stored.
class ScoresForm final : public QDialog {
    Q_OBJECT

  public:
    explicit ScoresForm(AppState& state, QWidget* parent = nullptr);
    ~ScoresForm() override;

    // Shows the window modally; without a schedule there is nothing to mark, and the user is
    // told why instead.
    int showModal();

    // Prints the round sheet of the shown pilot and round; AutoPrint calls it on Next pilot.
    using RoundPrinter = std::function<void(const RoundMarks&)>;
    void setRoundPrinter(RoundPrinter printer);

    // Explains the result of the shown pilot with the shown round in detail, once the marks
    // shown are stored.
    using Explainer = std::function<void(int pilot, int round)>;
    void setExplainer(Explainer explainer);

    const RoundMarks& marks() const { return marks_; }

  signals:
    // The marks of the pilot (an index into the competition) in the round (counted from 1)
    // were stored.
    void roundStored(int pilotIndex, int round);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Where the shown round's marks came from.
    enum class RoundSource {
        Unflown, // no file: nothing stored yet
        Read,    // an intact file
        Damaged, // a file read in part: replaced only when the user says so
        Kept,    // a file with marks the grid cannot show: never replaced
    };

    void Form_Activate();
    void buildGrid();
    void fitGridToWindow();
    void ClearGrid();
    void Recalculate(int row);
    void showMarks();
    void showBonus(int bonus);
    void RecallScores();
    bool pointsFollowGrid() const;
    bool mayChangeRound();
    bool leaveRound();
    void storeElsewhere(Status& status);
    bool leaveUnstored();
    void showPilot(int index);
    void PilotList_Changed(int row);
    void switchToPilot(int index);
    void RoundChange_Changed(int round);
    void ScoresBonus_Changed(int bonus);
    void ScoresNext_Click();
    void ScoresOK_Click();
    void ScoresExplain_Click();
    void typeMark(int mark);
    void setCell(int row, int column, const QString& text);
    QString text(const char* key) const;

    // Keyboard work in the grid, the pilot list's marks and the line telling whether the round
    // shown is stored.
    struct Edit {
        int maneuver; // -1 for a change of the bonus
        int judge;
        int before; // the mark (-1 for an empty cell) or the bonus before the change
    };
    bool isMarkCell(int row, int column) const;
    void clearMark();
    void changeMark(int row, int column, int mark);
    void putMark(int row, int column, int mark);
    void undoEdit();
    void noteChange();
    void noteStored();
    void showRoundState();
    void markStoredPilots();
    void markStoredPilot(int index);
    void showJudgeHeadings(const QFontMetrics& metrics, int width);

    int maneuverRows() const;
    int judgeColumns() const;
    int lastColumn() const;
    int lastRow() const;

    AppState& state_;
    std::unique_ptr<Ui::ScoresForm> ui_;
    RoundMarks marks_;
    RoundPrinter printer_;
    Explainer explainer_;
    bool loading_ = false;
    RoundSource source_ = RoundSource::Unflown;
    bool changed_ = false;
    bool replaceConfirmed_ = false;
    double storedPoints_ = 0.0; // the round's points before it was shown, kept when not stored
    QString roundFile_;
    QString otherFolder_;     // where marks were last stored when the competition's folder failed
    std::vector<Edit> edits_; // the changes of the round shown since it was read or stored
    RoundMarks readMarks_;    // the round shown as it was read or stored
    bool rescored_ = false;   // its stored points differ from what its marks give
    QIcon storedIcon_;
    QIcon unstoredIcon_;
};

} // namespace veltra
