#include "ui/fileselectform.h"

#include "core/format.h"
#include "ui/editorsupport.h"
#include "ui/formsupport.h"
#include "ui_fileselectform.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

namespace veltra {
namespace {

constexpr int PathRole = Qt::UserRole;

bool isWildcardOrEmpty(const QString& name) {
    return name.trimmed().isEmpty() || name.contains(u'*') || name.contains(u'?');
}

bool liesIn(const QString& folder, const QString& root) {
    return folder.startsWith(root, Qt::CaseInsensitive);
}

} // namespace

FileSelectForm::FileSelectForm(const Texts& texts, QWidget& mainWindow)
    : QDialog(&mainWindow), texts_(texts), mainWindow_(mainWindow),
      ui_(std::make_unique<Ui::FileSelectForm>()) {
    ui_->setupUi(this);
    designCaption_ = windowTitle();
    for (const QFileInfo& drive : QDir::drives())
        ui_->Drives->addItem(QDir::toNativeSeparators(drive.absolutePath()), drive.absolutePath());
    ui_->Directories->installEventFilter(this);
    connect(ui_->Drives, &QComboBox::activated, this, &FileSelectForm::Drives_Change);
    connect(ui_->Directories, &QListWidget::itemDoubleClicked, this,
            &FileSelectForm::Directories_Activate);
    connect(ui_->Files, &QListWidget::itemClicked, this, &FileSelectForm::Files_Click);
    connect(ui_->Files, &QListWidget::itemSelectionChanged, this, &FileSelectForm::Files_Click);
    connect(ui_->Files, &QListWidget::itemDoubleClicked, this, &FileSelectForm::Files_DblClick);
    connect(ui_->cmbFilters, &QComboBox::activated, this, &FileSelectForm::cmbFilters_Click);
    connect(ui_->cmdOK, &QPushButton::clicked, this, &FileSelectForm::cmdOK_Click);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &FileSelectForm::reject);
    setFolder(QDir::homePath());
    ApplyLanguageCaptions(*this, texts_);
}

FileSelectForm::~FileSelectForm() = default;

std::optional<FileSelectForm::Choice>
FileSelectForm::choose(const QString& fileType, const QString& startFolder, Purpose purpose) {
    addFileType(fileType);
    setFolder(startFolder);
    const QString openCaption = QStringLiteral("FILE_SELECT_FORM_CAPTION");
    if (purpose == Purpose::Open) {
        setDriveOf(startFolder);
        setWindowTitle(texts_.has(openCaption) ? texts_.get(openCaption) : designCaption_);
    } else {
        setWindowTitle(texts_.get(QStringLiteral("FILE_SAVE_FORM_CAPTION")));
    }
    exec();
    clearFileTypes();
    if (tag_ != QLatin1String("OK"))
        return std::nullopt;
    return Choice{fileName(), folder_ + u'/'};
}

void FileSelectForm::addFileType(const QString& entry) {
    ui_->cmbFilters->addItem(entry);
    ui_->cmbFilters->setCurrentIndex(0);
}

void FileSelectForm::clearFileTypes() {
    ui_->cmbFilters->clear();
}

QString FileSelectForm::PatternOf(const QString& fileType) {
    return fileType.mid(19, 5);
}

QString FileSelectForm::ExtensionOf(const QString& fileType) {
    return fileType.mid(21, 3);
}

QString FileSelectForm::FileType(const QString& label, const QString& pattern) {
    constexpr int kLabelWidth = 18; // the pattern starts at character 20, after the bracket
    return FormatText(label.left(kLabelWidth), u'!' + QString(kLabelWidth, u'@')) + u'(' + pattern +
           u')';
}

QString FileSelectForm::fileName() const {
    return ui_->txtFilename->text();
}

// A changed folder shows in the folder label and the file list, which takes the pattern of the
// chosen file type again.
void FileSelectForm::setFolder(const QString& folder) {
    folder_ = QDir::cleanPath(QDir(folder).absolutePath());
    fillDirectories();
    ui_->lblDirectory->setText(QDir::toNativeSeparators(folder_));
    pattern_ = PatternOf(ui_->cmbFilters->currentText());
    refreshFiles();
}

void FileSelectForm::setDriveOf(const QString& folder) {
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    int best = -1;
    for (int i = 0; i < ui_->Drives->count(); ++i) {
        const QString root = ui_->Drives->itemData(i).toString();
        if (liesIn(path, root) &&
            (best < 0 || root.size() > ui_->Drives->itemData(best).toString().size()))
            best = i;
    }
    if (best >= 0)
        ui_->Drives->setCurrentIndex(best);
}

void FileSelectForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOver(*this, mainWindow_);
    ui_->cmdOK->setText(texts_.get(QStringLiteral("GENERAL_OK")));
    ui_->cmdCancel->setText(texts_.get(QStringLiteral("GENERAL_CANCEL")));
    tag_ = QStringLiteral("CANCEL");
    pattern_ = PatternOf(ui_->cmbFilters->currentText());
    ui_->txtFilename->setText(pattern_);
    refreshFiles();
    ui_->txtFilename->setFocus();
    ui_->txtFilename->selectAll();
}

// Enter in the folder list opens the folder instead of pressing OK.
bool FileSelectForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Directories && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Directories_Activate();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FileSelectForm::reject() {
    tag_ = QStringLiteral("CANCEL");
    QDialog::reject();
}

void FileSelectForm::Drives_Change(int index) {
    const QString root = ui_->Drives->itemData(index).toString();
    if (!liesIn(folder_, root))
        setFolder(root);
}

void FileSelectForm::Directories_Activate() {
    const QListWidgetItem* item = ui_->Directories->currentItem();
    if (item)
        setFolder(item->data(PathRole).toString());
}

void FileSelectForm::Files_Click() {
    const QList<QListWidgetItem*> selected = ui_->Files->selectedItems();
    if (!selected.isEmpty())
        ui_->txtFilename->setText(selected.first()->text());
}

void FileSelectForm::Files_DblClick() {
    Files_Click();
    cmdOK_Click();
}

void FileSelectForm::cmbFilters_Click(int index) {
    const QString entry = ui_->cmbFilters->itemText(index);
    const QString caption = windowTitle();
    if (caption == QString::fromUtf8("Åpne fil")) {
        ui_->txtFilename->setText(PatternOf(entry));
    } else if (caption == QLatin1String("Lagre som") ||
               caption == texts_.get(QStringLiteral("FILE_SAVE_FORM_CAPTION"))) {
        // A name without a full stop keeps its whole text as the stem.
        const QString name = ui_->txtFilename->text();
        const qsizetype dot = name.indexOf(u'.');
        const QString stem = dot < 0 ? name + u'.' : name.left(dot + 1);
        ui_->txtFilename->setText(stem + ExtensionOf(entry));
    }
    pattern_ = PatternOf(entry);
    refreshFiles();
}

void FileSelectForm::cmdOK_Click() {
    if (isWildcardOrEmpty(fileName())) {
        QApplication::beep();
        return;
    }
    if (!takeTypedPath())
        return;
    tag_ = QStringLiteral("OK");
    accept();
}

// A typed folder opens; a file named with a folder path is taken from that folder. False while
// the dialog stays open.
bool FileSelectForm::takeTypedPath() {
    const QString typed = QDir::fromNativeSeparators(fileName());
    const QFileInfo target(QDir(folder_), typed);
    if (target.isDir()) {
        setFolder(target.absoluteFilePath());
        ui_->txtFilename->setText(pattern_);
        ui_->txtFilename->selectAll();
        return false;
    }
    if (!typed.contains(u'/'))
        return true;
    if (!target.absoluteDir().exists()) {
        Refuse(*this,
               texts_.get(QStringLiteral("FOLDER_MISSING_MESSAGE"))
                   .arg(QDir::toNativeSeparators(target.absolutePath())),
               ui_->txtFilename);
        return false;
    }
    setFolder(target.absolutePath());
    ui_->txtFilename->setText(target.fileName());
    return true;
}

// Every folder from the root down to the current one, then the current one's subfolders.
void FileSelectForm::fillDirectories() {
    QListWidget& list = *ui_->Directories;
    list.clear();
    QStringList chain{folder_};
    QDir dir(folder_);
    while (dir.cdUp())
        chain.prepend(dir.absolutePath());
    int depth = 0;
    for (const QString& path : chain) {
        const QString name =
            QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QDir(path).dirName();
        auto* item = new QListWidgetItem(QString(depth * 2, u' ') + name, &list);
        item->setData(PathRole, path);
        ++depth;
    }
    QListWidgetItem* current = list.item(list.count() - 1);
    const QStringList subfolders =
        QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& sub : subfolders) {
        auto* item = new QListWidgetItem(QString(depth * 2, u' ') + sub, &list);
        item->setData(PathRole, QDir(folder_).absoluteFilePath(sub));
    }
    list.setCurrentItem(current);
}

void FileSelectForm::refreshFiles() {
    ui_->Files->clear();
    const QString pattern = pattern_.trimmed().isEmpty() ? QStringLiteral("*") : pattern_.trimmed();
    ui_->Files->addItems(
        QDir(folder_).entryList({pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

} // namespace veltra
