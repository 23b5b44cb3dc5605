#pragma once

#include "core/texts.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class FileSelectForm;
}

namespace veltra {

// The program's own file dialog: drive, folder and file lists, the file name box and the
// file-type box. Created once and afterwards only hidden, so it keeps its folder and drive.
//
// A file-type entry is fixed-column text whose characters 20 to 24 (counting from 1) are the
// file pattern and 22 to 24 the extension, as in "Competition files (*.cnt)".
//
// Opening a file, the dialog has the caption of its design or language file; naming a file to
// save, the caption of saving ("Lagre som" in Norwegian). The caption chooses what picking a
// file type does to the name box: "Åpne fil" puts the pattern there, the caption of saving gives
// the typed name the new extension, any other caption leaves the name alone.
//
// A name typed with a folder path takes the file from that folder; a typed folder is opened.
class FileSelectForm final : public QDialog {
    Q_OBJECT

  public:
    FileSelectForm(const Texts& texts, QWidget& mainWindow);
    ~FileSelectForm() override;

    struct Choice {
        QString fileName;
        QString folder; // ends with "/"
    };

    enum class Purpose { Open, Save };

    // The calling protocol in one: one file-type entry, the starting folder (and its drive when
    // opening), the caption of the purpose, the dialog shown modally, the file types cleared
    // again. Nothing when the user cancelled.
    std::optional<Choice> choose(const QString& fileType, const QString& startFolder,
                                 Purpose purpose);

    // The single steps of the protocol.
    void addFileType(const QString& entry);
    void clearFileTypes();
    void setFolder(const QString& folder);
    void setDriveOf(const QString& folder);
    const QString& tag() const { return tag_; }
    QString fileName() const;
    const QString& folder() const { return folder_; } // no trailing "/"

    static QString PatternOf(const QString& fileType);   // characters 20 to 24
    static QString ExtensionOf(const QString& fileType); // characters 22 to 24
    // The entry of files called `label` (cut to 18 characters) matching the five-character
    // `pattern`, such as "*.cnt".
    static QString FileType(const QString& label, const QString& pattern);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void reject() override;
    void Drives_Change(int index);
    void Directories_Activate();
    void Files_Click();
    void Files_DblClick();
    void cmbFilters_Click(int index);
    void cmdOK_Click();
    bool takeTypedPath();
    void fillDirectories();
    void refreshFiles();

    const Texts& texts_;
    QWidget& mainWindow_;
    std::unique_ptr<Ui::FileSelectForm> ui_;
    QString designCaption_;
    QString tag_;
    QString folder_;
    QString pattern_;
};

} // namespace veltra
