#include "ui/helpform.h"

#include "ui/formsupport.h"
#include "ui_helpform.h"

namespace veltra {

HelpForm::HelpForm(const Texts& texts, QWidget& mainWindow)
    : QDialog(&mainWindow, Qt::Window), texts_(texts), mainWindow_(mainWindow),
      ui_(std::make_unique<Ui::HelpForm>()) {
    ui_->setupUi(this);
    ui_->HelpText->setOpenExternalLinks(true);
    connect(ui_->HelpText, &QTextBrowser::backwardAvailable, ui_->HelpBack, &QWidget::setEnabled);
    connect(ui_->HelpBack, &QPushButton::clicked, ui_->HelpText, &QTextBrowser::backward);
    connect(ui_->HelpContents, &QPushButton::clicked, this,
            [this] { ui_->HelpText->setSource(manual()); });
    connect(ui_->HelpReturn, &QPushButton::clicked, this, &QWidget::hide);
    ApplyLanguageCaptions(*this, texts_);
}

HelpForm::~HelpForm() = default;

QUrl HelpForm::manual() const {
    return QUrl(QStringLiteral("qrc:/manual/") + texts_.get(QStringLiteral("HELP_MANUAL_PAGE")));
}

void HelpForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!placed_) {
        CentreOver(*this, mainWindow_);
        placed_ = true;
    }
    ui_->HelpReturn->setText(texts_.get(QStringLiteral("GENERAL_RETURN")));
    // A language chosen since the manual was last shown brings the manual in that language.
    if (ui_->HelpText->source().fileName() != manual().fileName())
        ui_->HelpText->setSource(manual());
}

} // namespace veltra
