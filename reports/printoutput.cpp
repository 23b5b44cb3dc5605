#include "reports/printoutput.h"

#include "core/appstate.h"
#include "core/savefile.h"
#include "reports/pagedtarget.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPrinter>

namespace veltra {

QString PdfPath(const QString& folder, const QString& contestName, const QString& reportName) {
    QString name = contestName.trimmed().isEmpty()
                       ? reportName
                       : contestName.trimmed() + QStringLiteral(" - ") + reportName;
    for (QChar& c : name) {
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c < u' ')
            c = u'_';
    }
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

Status PrintToPdf(const QString& path, const QString& title, const Report& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool printed = false;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QString::fromLatin1(MainCaption));
        writer.setTitle(title);
        PagedTarget target(writer, PagedTarget::Jobs::Joined);
        report(target);
        const Status status = target.finish();
        if (!status)
            return status;
        printed = target.printedAnything();
    }
    if (!printed)
        return Status::success();
    return SaveFileAtomically(path, buffer.data());
}

Status PrintToPrinter(QPrinter& printer, const Report& report) {
    PagedTarget target(printer, PagedTarget::Jobs::Separate);
    report(target);
    return target.finish();
}

} // namespace veltra
