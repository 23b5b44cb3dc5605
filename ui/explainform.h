#pragma once

#include "core/appstate.h"
#include "scoring/explanation.h"
#include "ui/feedback.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class ExplainForm;
}

namespace veltra {

// "Explain this result": how one pilot's result comes about, built by the scoring engine from
// the prepared results that the caller shows. The user chooses the pilot and the round to see
// in detail, and prints the explanation or writes it to a text file beside the competition.
class ExplainForm final : public QDialog {
    Q_OBJECT

  public:
    using Printer = std::function<void(const ResultExplanation&)>;

    ExplainForm(AppState& state, Feedback& feedback, QWidget* parent = nullptr);
    ~ExplainForm() override;

    void setPrinter(Printer printer);

    // Shows, modally, the explanation of `pilot` (an index into the competition) with `round`
    // (counted from 1) in detail.
    void explain(std::shared_ptr<const PreparedResults> results, int pilot, int round);

    const ResultExplanation& explanation() const { return explanation_; }

  private:
    void showExplanation();
    void ExplainPrint_Click();
    void ExplainExport_Click();

    AppState& state_;
    Feedback& feedback_;
    std::unique_ptr<Ui::ExplainForm> ui_;
    std::shared_ptr<const PreparedResults> results_;
    ResultExplanation explanation_;
    Printer printer_;
};

} // namespace veltra
