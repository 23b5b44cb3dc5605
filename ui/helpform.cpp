#include "ui/helpform.h"

#include "ui/formsupport.h"
#include "ui_helpform.h"

#include <QUrl>

namespace veltra {

HelpForm::HelpForm(const Texts& texts, QWidget& mainWindow)
    : QDialog(&mainWindow, Qt::Window), texts_(texts), mainWindow_(mainWindow),
      ui_(std::make_unique<Ui::HelpForm>()) {
    ui_->setupUi(this);
    ui_->HelpText->setOpenExternalLinks(true);
    ui_->HelpText->setSource(QUrl(QString::fromLatin1(ManualUrl)));
    connect(ui_->HelpText, &QTextBrowser::backwardAvailable, ui_->HelpBack, &QWidget::setEnabled);
    connect(ui_->HelpBack, &QPushButton::clicked, ui_->HelpText, &QTextBrowser::backward);
    connect(ui_->HelpContents, &QPushButton::clicked, ui_->HelpText, &QTextBrowser::home);
    connect(ui_->HelpReturn, &QPushButton::clicked, this, &QWidget::hide);
    ApplyLanguageCaptions(*this, texts_);
}

HelpForm::~HelpForm() = default;

void HelpForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!placed_) {
        CentreOver(*this, mainWindow_);
        placed_ = true;
    }
    ui_->HelpReturn->setText(texts_.get(QStringLiteral("GENERAL_RETURN")));
}

} // namespace veltra
