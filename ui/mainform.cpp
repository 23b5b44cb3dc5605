#include "ui/mainform.h"

#include "ui_mainform.h"

#include <QMessageBox>
#include <QStatusBar>

namespace veltra {

MainForm::MainForm(AppState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), ui_(std::make_unique<Ui::MainForm>()) {
    ui_->setupUi(this);
    setWindowTitle(QString::fromLatin1(MainCaption));
    footer_ = new QLabel(this);
    footer_->setObjectName(QStringLiteral("Footer"));
    statusBar()->addWidget(footer_, 1);
    showFooter(state_.texts.get(QStringLiteral("NO_COMPETITION_SELECTED")));
}

MainForm::~MainForm() = default;

void MainForm::showMessage(const QString& text) {
    QMessageBox::information(this, QString::fromLatin1(ProgramName), text);
}

void MainForm::showFooter(const QString& text) {
    footer_->setText(text);
}

} // namespace veltra
