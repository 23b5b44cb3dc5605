#include "ui/configprintingform.h"

#include "core/appstate.h"
#include "ui/formsupport.h"
#include "ui_configprintingform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QShowEvent>

namespace veltra {
namespace {

constexpr int TextPrinterType = 1;
constexpr int GraphicPrinterType = 2;
// Reports print a resolution the list does not know, such as none at all, at medium quality.
constexpr int MediumQualityIndex = 2;

int qualityIndexOf(int printResolution) {
    const int index = -printResolution - 1;
    return index >= 0 && index <= 3 ? index : MediumQualityIndex;
}

} // namespace

ConfigPrintingForm::ConfigPrintingForm(Settings& settings, const Texts& texts, QWidget& mainWindow)
    : QDialog(&mainWindow), settings_(settings), texts_(texts), mainWindow_(mainWindow),
      ui_(std::make_unique<Ui::ConfigPrintingForm>()) {
    ui_->setupUi(this);
    for (int i = 0; i < ui_->PrintQuality->count(); ++i)
        ui_->PrintQuality->setItemData(i, -(i + 1));
    connect(ui_->GraphicPrinter, &QRadioButton::clicked, this,
            &ConfigPrintingForm::GraphicPrinter_Click);
    connect(ui_->TextPrinter, &QRadioButton::clicked, this, &ConfigPrintingForm::TextPrinter_Click);
    connect(ui_->DestinationPrinter, &QRadioButton::clicked, this,
            &ConfigPrintingForm::Destination_Click);
    connect(ui_->DestinationPdf, &QRadioButton::clicked, this,
            &ConfigPrintingForm::Destination_Click);
    connect(ui_->PdfFolderChoose, &QPushButton::clicked, this,
            &ConfigPrintingForm::PdfFolderChoose_Click);
    connect(ui_->OK, &QPushButton::clicked, this, &ConfigPrintingForm::OK_Click);
    ApplyLanguageCaptions(*this, texts_);
}

ConfigPrintingForm::~ConfigPrintingForm() = default;

void ConfigPrintingForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void ConfigPrintingForm::Form_Activate() {
    const bool text = settings_.PrinterType == TextPrinterType;
    (text ? ui_->TextPrinter : ui_->GraphicPrinter)->setChecked(true);
    const char* const qualities[] = {"CPF_QUALITY_DRAFT", "CPF_QUALITY_LOW", "CPF_QUALITY_MEDIUM",
                                     "CPF_QUALITY_HIGH"};
    for (int i = 0; i < ui_->PrintQuality->count(); ++i)
        ui_->PrintQuality->setItemText(i, texts_.get(QString::fromLatin1(qualities[i])));
    ui_->PrintQuality->setCurrentIndex(qualityIndexOf(settings_.PrintResolution));
    ui_->PrintQuality->setVisible(!text);
    const bool pdf = settings_.PrintDestination == PrintDestinationPdf;
    (pdf ? ui_->DestinationPdf : ui_->DestinationPrinter)->setChecked(true);
    ui_->PdfFolder->setText(QDir::toNativeSeparators(settings_.PdfFolder));
    ui_->PrintPreview->setChecked(settings_.PrintPreview == 1);
    Destination_Click();
    ui_->OK->setText(texts_.get(QStringLiteral("GENERAL_OK")));
    // The quality list just shown or hidden changes the height to centre.
    adjustSize();
    CentreOver(*this, mainWindow_);
}

// The two printer types are option buttons of one group: choosing one clears the other.
void ConfigPrintingForm::GraphicPrinter_Click() {
    ui_->PrintQuality->show();
}

void ConfigPrintingForm::TextPrinter_Click() {
    ui_->PrintQuality->hide();
}

void ConfigPrintingForm::Destination_Click() {
    const bool pdf = ui_->DestinationPdf->isChecked();
    ui_->PdfFolder->setEnabled(pdf);
    ui_->PdfFolderChoose->setEnabled(pdf);
}

void ConfigPrintingForm::PdfFolderChoose_Click() {
    const QString typed = ui_->PdfFolder->text().trimmed();
    const QString start = QFileInfo(typed).isDir() ? typed : QDir::homePath();
    const QString chosen =
        QFileDialog::getExistingDirectory(this, text("CPF_FOLDER_DIALOG_CAPTION"), start);
    if (!chosen.isEmpty())
        ui_->PdfFolder->setText(QDir::toNativeSeparators(chosen));
}

void ConfigPrintingForm::OK_Click() {
    QString folder;
    if (ui_->DestinationPdf->isChecked()) {
        folder = checkedPdfFolder();
        if (folder.isEmpty())
            return;
    }
    if (ui_->TextPrinter->isChecked()) {
        settings_.PrinterType = TextPrinterType;
    } else {
        settings_.PrinterType = GraphicPrinterType;
        settings_.PrintResolution = ui_->PrintQuality->currentData().toInt();
    }
    settings_.PrintDestination =
        ui_->DestinationPdf->isChecked() ? PrintDestinationPdf : PrintDestinationPrinter;
    if (!folder.isEmpty())
        settings_.PdfFolder = folder;
    settings_.PrintPreview = ui_->PrintPreview->isChecked() ? 1 : 0;
    accept();
}

QString ConfigPrintingForm::checkedPdfFolder() {
    const QString typed = ui_->PdfFolder->text().trimmed();
    if (typed.isEmpty()) {
        refuse(text("CPF_NO_FOLDER_MESSAGE"));
        return {};
    }
    const QFileInfo folder(QDir::fromNativeSeparators(typed));
    const QString shown = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.isDir()) {
        refuse(text("FOLDER_MISSING_MESSAGE").arg(shown));
        return {};
    }
    if (!folder.isWritable()) {
        refuse(text("CPF_FOLDER_READ_ONLY_MESSAGE").arg(shown));
        return {};
    }
    const QString path = QDir::cleanPath(folder.absoluteFilePath());
    // The settings file could not give such a folder back at the next start.
    if (!SettingsCanHold(path)) {
        refuse(text("CPF_FOLDER_NOT_KEPT_MESSAGE").arg(shown));
        return {};
    }
    return path;
}

QString ConfigPrintingForm::text(const char* key) const {
    return texts_.get(QString::fromLatin1(key));
}

void ConfigPrintingForm::refuse(const QString& message) {
    QApplication::beep();
    QMessageBox::warning(this, QString::fromLatin1(ProgramName), message);
    ui_->PdfFolder->setFocus();
}

} // namespace veltra
