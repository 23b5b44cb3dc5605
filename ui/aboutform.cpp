#include "ui/aboutform.h"

#include "core/appstate.h"
#include "core/format.h"
#include "ui/formsupport.h"
#include "ui_aboutform.h"

#include <QMouseEvent>

namespace veltra {

AboutForm::AboutForm(const Texts& texts, QWidget& mainWindow)
    : QDialog(&mainWindow), mainWindow_(mainWindow), ui_(std::make_unique<Ui::AboutForm>()) {
    ui_->setupUi(this);
    ApplyLanguageCaptions(*this, texts);
}

AboutForm::~AboutForm() = default;

void AboutForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui_->AboutVersion->setText(QStringLiteral("Ver. ") + FormatNumber(ProgramVersion, u"00.00"));
    CentreOver(*this, mainWindow_);
}

void AboutForm::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

} // namespace veltra
