#include "core/appstate.h"
#include "core/firststart.h"
#include "core/programdir.h"
#include "ui/mainform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>

namespace {

// The shipped schedules and language files: beside the executable in a build tree, in the
// shared data folder of an installed program.
QString shippedFilesDir() {
    const QString besideExecutable = QCoreApplication::applicationDirPath() + "/shipped";
    if (QFileInfo(besideExecutable).isDir())
        return besideExecutable;
    return QStringLiteral(VELTRA_SHARE_DIR);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(veltra::ProgramName));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/veltra.png")));

    veltra::AppState state;
    const veltra::ProgramDirChoice dir =
        veltra::ResolveProgramDir(QCoreApplication::applicationDirPath(), shippedFilesDir());
    state.work.ProgramDir = dir.path;
    state.work.LanguageDir = dir.path;
    if (!dir.status)
        QMessageBox::warning(nullptr, QString::fromLatin1(veltra::ProgramName), dir.status.message);
    const veltra::Status firstStart = veltra::PrepareFirstStart(dir.path, shippedFilesDir());
    if (!firstStart)
        QMessageBox::warning(nullptr, QString::fromLatin1(veltra::ProgramName), firstStart.message);

    veltra::MainForm window(state);
    window.show();
    return QApplication::exec();
}
