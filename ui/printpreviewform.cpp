#include "ui/printpreviewform.h"

#include "reports/pagedtarget.h"
#include "ui/formsupport.h"
#include "ui_printpreviewform.h"

#include <QGraphicsView>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>

namespace veltra {

PrintPreviewForm::PrintPreviewForm(const Texts& texts, QWidget& mainWindow,
                                   std::unique_ptr<QPrinter> printer)
    : QDialog(&mainWindow), texts_(texts), mainWindow_(mainWindow),
      ui_(std::make_unique<Ui::PrintPreviewForm>()), printer_(std::move(printer)) {
    ui_->setupUi(this);
    pages_ = new QPrintPreviewWidget(printer_.get(), ui_->PreviewArea);
    pages_->setObjectName(QStringLiteral("PreviewPages"));
    ui_->PreviewArea->layout()->addWidget(pages_);
    // The pages take the focus between the view buttons above them and the buttons below.
    if (auto* view = pages_->findChild<QGraphicsView*>()) {
        QWidget::setTabOrder(ui_->PreviewWholePage, view);
        QWidget::setTabOrder(view, ui_->PreviewSend);
    }
    connect(pages_, &QPrintPreviewWidget::paintRequested, this,
            &PrintPreviewForm::PreviewPages_PaintRequested);
    connect(pages_, &QPrintPreviewWidget::previewChanged, this, &PrintPreviewForm::showPageCount);
    connect(ui_->PreviewZoomIn, &QPushButton::clicked, pages_, [this] { pages_->zoomIn(); });
    connect(ui_->PreviewZoomOut, &QPushButton::clicked, pages_, [this] { pages_->zoomOut(); });
    connect(ui_->PreviewFitWidth, &QPushButton::clicked, pages_, &QPrintPreviewWidget::fitToWidth);
    connect(ui_->PreviewWholePage, &QPushButton::clicked, pages_, &QPrintPreviewWidget::fitInView);
    connect(ui_->PreviewSend, &QPushButton::clicked, this, &PrintPreviewForm::accept);
    connect(ui_->PreviewCancel, &QPushButton::clicked, this, &PrintPreviewForm::reject);
    // Most of the screen, so that a landscape page shows as large as a portrait one.
    if (const QScreen* screen = mainWindow.screen()) {
        const QSize room = screen->availableGeometry().size();
        resize(room.width() * 9 / 10, room.height() * 85 / 100);
    }
    const auto key = [this](QKeySequence keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    key(QKeySequence(Qt::Key_PageDown),
        [this] { pages_->setCurrentPage(pages_->currentPage() + 1); });
    key(QKeySequence(Qt::Key_PageUp),
        [this] { pages_->setCurrentPage(pages_->currentPage() - 1); });
    for (const Qt::Key in : {Qt::Key_Plus, Qt::Key_Equal})
        key(QKeySequence(in), [this] { pages_->zoomIn(); });
    key(QKeySequence(Qt::Key_Minus), [this] { pages_->zoomOut(); });
    ApplyLanguageCaptions(*this, texts_);
}

PrintPreviewForm::~PrintPreviewForm() = default;

bool PrintPreviewForm::confirm(const QString& caption, const QString& sendCaption,
                               const Report& report, Status& status) {
    setWindowTitle(caption);
    ui_->PreviewSend->setText(sendCaption);
    report_ = report;
    drawn_ = Status::success();
    pages_->setCurrentPage(1);
    pages_->fitInView();
    pages_->updatePreview();
    status = drawn_;
    const bool send = drawn_ && exec() == QDialog::Accepted;
    report_ = nullptr;
    return send;
}

int PrintPreviewForm::pageCount() const {
    return pages_->pageCount();
}

void PrintPreviewForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ui_->PreviewCancel->setText(texts_.get(QStringLiteral("GENERAL_CANCEL")));
    CentreOver(*this, mainWindow_);
    ui_->PreviewSend->setFocus();
}

// Copies and sheets follow each other as pages, as they come out of the printer.
void PrintPreviewForm::PreviewPages_PaintRequested(QPrinter* printer) {
    PagedTarget target(*printer, PagedTarget::Jobs::Joined);
    report_(target);
    drawn_ = target.finish();
}

void PrintPreviewForm::showPageCount() {
    const int count = pages_->pageCount();
    ui_->PreviewPageCount->setText(count == 1 ? texts_.get(QStringLiteral("PPF_ONE_PAGE"))
                                              : texts_.get(QStringLiteral("PPF_PAGES")).arg(count));
}

} // namespace veltra
