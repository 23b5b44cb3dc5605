#pragma once

#include "core/appstate.h"
#include "scoring/marks.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class ScoresForm;
}

namespace veltra {

// The grid in which the judges' marks of one pilot and round are typed, one key per mark.
// Row 0 is the heading, rows 1 .. maneuvers hold the marks, the last row the judges' sums;
// columns 0 and 1 hold the maneuver and its K-factor, the last column the row sums.
// The marks are stored when the pilot or round changes, on Next pilot, on Return and when
// the window is closed; a store that fails keeps the window, the pilot and the marks.
class ScoresForm final : public QDialog {
    Q_OBJECT

  public:
    explicit ScoresForm(AppState& state, QWidget* parent = nullptr);
    ~ScoresForm() override;

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
    void Form_Activate();
    void buildGrid();
    void fitGridToWindow();
    void ClearGrid();
    void Recalculate(int row);
    void showMarks();
    void RecallScores();
    bool SaveScores();
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
};

} // namespace veltra
