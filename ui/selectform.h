#pragma once

#include "core/contest.h"
#include "core/texts.h"

#include <QDialog>
#include <memory>

namespace Ui {
class SelectForm;
}

namespace veltra {

// Picks one judge or one pilot; a prompt above the list says which, and OK, Enter or a double
// click takes the line. The caller sets the tag to "JUDGES" or "PILOTS", shows the dialog
// modally and then reads the list index, which is the record's index in the store.
class SelectForm final : public QDialog {
    Q_OBJECT

  public:
    SelectForm(const Contest& contest, const Texts& texts, QWidget& mainWindow);
    ~SelectForm() override;

    void setTag(const QString& tag) { tag_ = tag; }
    const QString& tag() const { return tag_; }

    // The selected line, or -1 when none was selected or the dialog was closed without OK.
    int listIndex() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SelectOK_Click();

    const Contest& contest_;
    const Texts& texts_;
    QWidget& mainWindow_;
    std::unique_ptr<Ui::SelectForm> ui_;
    QString tag_;
    bool confirmed_ = false;
};

} // namespace veltra
