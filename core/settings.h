#pragma once

#include "core/status.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace veltra {

inline constexpr int MaxRecentFiles = 5;
inline constexpr const char* SettingsFileName = "Veltra.ini";
inline constexpr const char* HelpFileName = "Veltra.hlp";

// Where the reports go (PRINT_DESTINATION): the system printer, or PDF files in a folder.
inline constexpr int PrintDestinationPrinter = 0;
inline constexpr int PrintDestinationPdf = 1;

// The port the live results are served on unless the settings name another.
inline constexpr int DefaultLiveResultsPort = 8080;

// The settings kept in the settings file of the program folder.
struct Settings {
    QString ConfigFile; // the settings file's name, set at start-up
    QString HelpFile;

    // The language file's name in the program folder; a full path when it lies elsewhere.
    QString LanguageFile;
    int PrinterType = 0;     // 1 text printer, anything else graphic printer
    int PrintResolution = 0; // the printing dialog's quality code, -1 to -4
    // The recent-files list, oldest first; entries at or beyond the count are not in use.
    int FilesInFilemenu = 0;
    std::array<QString, MaxRecentFiles> FileNames;
    std::array<QString, MaxRecentFiles> FileLocations; // each ends with "/"
    int ConnectToRemoteDisplay = 0;
    int ComportToRemoteDisplay = 0;
    double BaudrateToRemoteDisplay = 0.0;
    int FrequencyDisplayMode = 0; // 0 frequency "00.000", 1 channel number "00"
    // Where reports go and whether the user sees them first: a field without a printer
    // writes PDF files instead.
    int PrintDestination = PrintDestinationPrinter;
    QString PdfFolder;
    int PrintPreview = 0; // 1 shows a preview before printing
    // The live results on the field's network: served when 1, on this port, with each pilot's
    // weakest round dropped when 1.
    int LiveResults = 0;
    int LiveResultsPort = DefaultLiveResultsPort;
    int LiveResultsDropLowest = 0;
};

// Reads the settings file `configFile` of the program folder into `settings`. A missing file
// (the first start) leaves every setting as it was. So does a damaged file (empty, no text, cut
// short), which is reported. A value that is not a number or out of its range is reported and
// leaves its setting at 0 or the nearest end of the range; every other setting is still read.
Status ReadConfigFile(const QString& configFile, const QString& programDir, Settings& settings);

// Rewrites the settings file whole.
Status SaveConfigFile(const QString& configFile, const QString& programDir,
                      const Settings& settings);

// Rewrites the settings file only when the settings differ from `onDisk`, what it was last read
// as or written with (SettingsFileBytes), and then keeps them there: a file that could not be
// read stays as it is until a setting changes.
Status SaveChangedConfigFile(const QString& configFile, const QString& programDir,
                             const Settings& settings, QByteArray& onDisk);

QByteArray SettingsFileBytes(const Settings& settings);

// Reads the records of a settings file; the result is empty or names every faulty value.
QString ReadSettingsBytes(const QByteArray& bytes, Settings& settings);

// Whether the settings file can hold the text as a value and give it back unchanged: no comma
// or line break, and only characters of its 8-bit code page.
bool SettingsCanHold(const QString& text);

// Adds a newly chosen competition to the recent-files list: one already listed keeps its
// place, a sixth one pushes out the oldest. A name or folder that the settings file cannot
// hold is not listed.
void UpdateQuickSelection(Settings& settings, const QString& contestFile,
                          const QString& contestDir);

// The File menu caption of recent entry `index` (0 to 4): "&1 : " and the file name.
QString RecentFileCaption(const Settings& settings, int index);

} // namespace veltra
