#pragma once

#include "core/status.h"
#include "reports/printtarget.h"

#include <QString>

class QPrinter;

namespace veltra {

// The PDF file of a report: "<competition> - <report>.pdf" in the folder, with the characters
// that file systems refuse replaced by "_".
QString PdfPath(const QString& folder, const QString& contestName, const QString& reportName);

// Writes every print job of the report as the next pages of one PDF file. The file is replaced
// only when it was written completely; a report that printed nothing writes no file.
Status PrintToPdf(const QString& path, const QString& title, const Report& report);

// Sends each print job of the report to the printer as a job of its own.
Status PrintToPrinter(QPrinter& printer, const Report& report);

} // namespace veltra
