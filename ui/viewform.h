#pragma once

#include "core/appstate.h"

#include <QDialog>
#include <memory>

namespace Ui {
class ViewForm;
}

namespace veltra {

// The on-screen viewer of the program's fixed-pitch texts: the result list, the start list of
// a chosen round and the judge analysis. It does not block the main window; Return only hides
// it. Each show takes 99 % of the main window's size, centred over it. Beside the result list,
// Explain asks for the explanation of a result.
class ViewForm final : public QDialog {
    Q_OBJECT

  public:
    enum class Mode { Results, StartList, Analysis };

    explicit ViewForm(AppState& state, QWidget* mainWindow = nullptr);
    ~ViewForm() override;

    void showResults(const QString& text);
    // The flying order of the round chosen with the round spin, round 1 first.
    void showStartList();
    void showAnalysis(const QString& text);

    Mode mode() const { return mode_; }
    // "RESULTS", "STARTLIST" or "ANALYSIS".
    QString tag() const;

  signals:
    void explainRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void present(Mode mode, bool roundChoice);
    void Form_Activate();
    void layOut();
    void setText(const QString& text);
    void Variable_Change(int round);
    void Return_Click();

    AppState& state_;
    std::unique_ptr<Ui::ViewForm> ui_;
    Mode mode_ = Mode::Results;
};

} // namespace veltra
