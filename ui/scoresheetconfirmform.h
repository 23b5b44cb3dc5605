#pragma once

#include "core/contest.h"
#include "core/texts.h"
#include "reports/scoresheets.h"

#include <QDialog>
#include <memory>

class QRadioButton;

namespace Ui {
class ScoreSheetConfirmForm;
}

namespace veltra {

// Which score sheets to print: all, one judge's, one pilot's or one blank sheet, with the
// number of sheets that makes. Every showing starts from all sheets; choice() is Cancelled
// when the user cancelled.
class ScoreSheetConfirmForm final : public QDialog {
    Q_OBJECT

  public:
    ScoreSheetConfirmForm(const Contest& contest, const Texts& texts, QWidget& mainWindow);
    ~ScoreSheetConfirmForm() override;

    ScoreSheetChoice choice() const { return ScoreSheetChoice_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    void Form_Activate();
    void Option_Click(ScoreSheetChoice choice);
    void OK_Click();

    const Contest& contest_;
    const Texts& texts_;
    QWidget& mainWindow_;
    std::unique_ptr<Ui::ScoreSheetConfirmForm> ui_;
    ScoreSheetChoice ScoreSheetChoice_ = ScoreSheetChoice::AllJudgesAndPilots;
};

} // namespace veltra
