#pragma once

#include "core/appstate.h"

#include <QLabel>
#include <QMainWindow>
#include <memory>

namespace Ui {
class MainForm;
}

namespace veltra {

class MainForm final : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainForm(AppState& state, QWidget* parent = nullptr);
    ~MainForm() override;

    // A message box with the program's name as title.
    void showMessage(const QString& text);

  private:
    void showFooter(const QString& text);

    AppState& state_;
    std::unique_ptr<Ui::MainForm> ui_;
    QLabel* footer_ = nullptr;
};

} // namespace veltra
