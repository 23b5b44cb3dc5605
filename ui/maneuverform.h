#pragma once

#include "core/appstate.h"

#include <QDialog>
#include <memory>

namespace Ui {
class ManeuverForm;
}

namespace veltra {

// Enters or changes one maneuver of the schedule in the store. The caller sets the number, name
// and K-factor, shows it modally and reads the tag: "OK" or "CANCEL".
class ManeuverForm final : public QDialog {
    Q_OBJECT

  public:
    explicit ManeuverForm(AppState& state, QWidget* parent = nullptr);
    ~ManeuverForm() override;

    void setManeuver(int number, const QString& name, int kFactor);
    const QString& tag() const { return tag_; }
    // The number the maneuver was stored under, after "OK".
    int storedNumber() const { return storedNumber_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Activate();
    void ManeuverOK_Click();
    void reject() override;

    AppState& state_;
    std::unique_ptr<Ui::ManeuverForm> ui_;
    QString tag_;
    int storedNumber_ = 0;
};

} // namespace veltra
