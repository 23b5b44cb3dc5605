#include "core/settings.h"

#include "core/ansitext.h"
#include "core/format.h"
#include "core/keyedfile.h"
#include "core/numbers.h"
#include "core/savefile.h"
#include "core/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace veltra {
namespace {

const QString kLanguageFile = QStringLiteral("LANGUAGE_FILE");
const QString kPrinterType = QStringLiteral("PRINTER_TYPE");
const QString kPrintResolution = QStringLiteral("PRINT_RESOLUTION");
const QString kFilesInFilemenu = QStringLiteral("FILES_IN_FILEMENU");
const QString kFileName = QStringLiteral("FILENAMES_IN_FILEMENU_");
const QString kFileLocation = QStringLiteral("FILELOCATIONS_IN_FILEMENU_");
// The key is spelled with three N in every settings file there is.
const QString kConnect = QStringLiteral("CONNNECT_TO_REMOTE_DISPLAY");
const QString kComport = QStringLiteral("COMPORT_TO_REMOTE_DISPLAY");
const QString kBaudrate = QStringLiteral("BAUDRATE_TO_REMOTE_DISPLAY");
const QString kFrequencyMode = QStringLiteral("FREQUENCY_DISPLAY_MODE");
// Later keys follow the others at the end of the file, so that an older reader, which skips
// keys it does not know, still reads every setting it knows.
const QString kPrintDestination = QStringLiteral("PRINT_DESTINATION");
const QString kPdfFolder = QStringLiteral("PDF_FOLDER");
const QString kPrintPreview = QStringLiteral("PRINT_PREVIEW");
const QString kLiveResults = QStringLiteral("LIVE_RESULTS");
const QString kLiveResultsPort = QStringLiteral("LIVE_RESULTS_PORT");
const QString kLiveResultsDropLowest = QStringLiteral("LIVE_RESULTS_DROP_LOWEST");

// The entry number 1 to 5 of a recent-file key with the given stem, or 0.
int recentEntry(const QString& key, const QString& stem) {
    if (key.size() != stem.size() + 1 || !key.startsWith(stem))
        return 0;
    const QChar digit = key.back();
    return digit >= u'1' && digit <= u'5' ? digit.digitValue() : 0;
}

bool isSettingsKey(const QString& key) {
    return key == kLanguageFile || key == kPrinterType || key == kPrintResolution ||
           key == kFilesInFilemenu || recentEntry(key, kFileName) > 0 ||
           recentEntry(key, kFileLocation) > 0 || key == kConnect || key == kComport ||
           key == kBaudrate || key == kFrequencyMode || key == kPrintDestination ||
           key == kPdfFolder || key == kPrintPreview || key == kLiveResults ||
           key == kLiveResultsPort || key == kLiveResultsDropLowest;
}

class ValueReader {
  public:
    int integer(const KeyedRecord& record, int minimum = -32768, int maximum = 32767) {
        if (!record.value)
            return 0;
        const std::optional<double> number = ParseReal(*record.value);
        if (!number) {
            fault(record, QStringLiteral("is not a number; it is taken as 0"));
            return 0;
        }
        if (const std::optional<int> value = ParseInteger(*record.value, minimum, maximum))
            return *value;
        fault(record, QStringLiteral("lies outside %1 to %2").arg(minimum).arg(maximum));
        return *number < minimum ? minimum : maximum;
    }

    // Held as a real, read with the precision of a single-precision number.
    double real(const KeyedRecord& record) {
        if (!record.value)
            return 0.0;
        if (const std::optional<double> value = ParseReal(*record.value))
            return static_cast<double>(static_cast<float>(*value));
        fault(record, QStringLiteral("is not a number; it is taken as 0"));
        return 0.0;
    }

    static QString text(const KeyedRecord& record) { return record.value.value_or(QString()); }

    QString faults() const { return faults_.join(u'\n'); }

  private:
    void fault(const KeyedRecord& record, const QString& why) {
        faults_ << QStringLiteral("%1: \"%2\" %3.").arg(record.key, *record.value, why);
    }

    QStringList faults_;
};

QString settingsPath(const QString& configFile, const QString& programDir) {
    return programDir + u'/' + configFile;
}

void appendLine(QString& out, const QString& line) {
    out += line;
    out += QLatin1String(kLineEnd);
}

} // namespace

QString ReadSettingsBytes(const QByteArray& bytes, Settings& s) {
    ValueReader values;
    for (const KeyedRecord& record : ReadKeyedRecords(bytes, isSettingsKey)) {
        const QString& key = record.key;
        if (key == kLanguageFile) {
            s.LanguageFile = ValueReader::text(record);
        } else if (key == kPrinterType) {
            s.PrinterType = values.integer(record);
        } else if (key == kPrintResolution) {
            s.PrintResolution = values.integer(record);
        } else if (key == kFilesInFilemenu) {
            s.FilesInFilemenu = values.integer(record, 0, MaxRecentFiles);
        } else if (const int name = recentEntry(key, kFileName)) {
            s.FileNames[name - 1] = ValueReader::text(record);
        } else if (const int location = recentEntry(key, kFileLocation)) {
            s.FileLocations[location - 1] = ValueReader::text(record);
        } else if (key == kConnect) {
            s.ConnectToRemoteDisplay = values.integer(record, 0, 1);
        } else if (key == kComport) {
            s.ComportToRemoteDisplay = values.integer(record);
        } else if (key == kBaudrate) {
            s.BaudrateToRemoteDisplay = values.real(record);
        } else if (key == kFrequencyMode) {
            s.FrequencyDisplayMode = values.integer(record, 0, 1);
        } else if (key == kPrintDestination) {
            s.PrintDestination = values.integer(record, 0, 1);
        } else if (key == kPdfFolder) {
            s.PdfFolder = ValueReader::text(record);
        } else if (key == kPrintPreview) {
            s.PrintPreview = values.integer(record, 0, 1);
        } else if (key == kLiveResults) {
            s.LiveResults = values.integer(record, 0, 1);
        } else if (key == kLiveResultsPort) {
            // No port at all keeps the default.
            if (const int port = values.integer(record, 0, 65535))
                s.LiveResultsPort = port;
        } else if (key == kLiveResultsDropLowest) {
            s.LiveResultsDropLowest = values.integer(record, 0, 1);
        }
    }
    return values.faults();
}

Status ReadConfigFile(const QString& configFile, const QString& programDir, Settings& settings) {
    const QString path = settingsPath(configFile, programDir);
    if (!QFileInfo::exists(path))
        return Status::success();
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return Status::failure(QStringLiteral("The settings file %1 cannot be read.")
                                   .arg(QDir::toNativeSeparators(path)));
    // The language file is read after the settings: these messages are the program's English.
    const Texts english;
    const TextFile text = CheckTextFile(*bytes, english);
    if (text.fault || text.cutLine > 0)
        return Status::failure(
            FileRefusedMessage(path, text.fault.value_or(text.cutReason), english));
    const QString faults = ReadSettingsBytes(text.bytes, settings);
    if (!faults.isEmpty())
        return Status::failure(QStringLiteral("The settings file %1 holds values that cannot be "
                                              "used:\n%2")
                                   .arg(QDir::toNativeSeparators(path), faults));
    return Status::success();
}

QByteArray SettingsFileBytes(const Settings& s) {
    QString out;
    appendLine(out, kLanguageFile + u',' + s.LanguageFile);
    appendLine(out, QString());
    appendLine(out, kPrinterType + u',' + FormatNumber(s.PrinterType, u"#"));
    appendLine(out, QString());
    appendLine(out, kPrintResolution + u',' + FormatNumber(s.PrintResolution, u"#"));
    appendLine(out, QString());
    appendLine(out, kFilesInFilemenu + u',' + FormatNumber(s.FilesInFilemenu, u"0"));
    for (int i = 0; i < MaxRecentFiles; ++i)
        appendLine(out, kFileName + QString::number(i + 1) + u',' + s.FileNames[i]);
    for (int i = 0; i < MaxRecentFiles; ++i)
        appendLine(out, kFileLocation + QString::number(i + 1) + u',' + s.FileLocations[i]);
    appendLine(out, QString());
    appendLine(out, kConnect + u',' + FormatNumber(s.ConnectToRemoteDisplay, u"0"));
    appendLine(out, kComport + u',' + FormatNumber(s.ComportToRemoteDisplay, u"0"));
    appendLine(out, kBaudrate + u',' + FormatNumber(s.BaudrateToRemoteDisplay, u"0"));
    appendLine(out, QString());
    appendLine(out, kFrequencyMode + u',' + FormatNumber(s.FrequencyDisplayMode, u"0"));
    appendLine(out, QString());
    appendLine(out, kPrintDestination + u',' + FormatNumber(s.PrintDestination, u"0"));
    // An empty folder reads back as empty because a known key follows it.
    appendLine(out, kPdfFolder + u',' + s.PdfFolder);
    appendLine(out, kPrintPreview + u',' + FormatNumber(s.PrintPreview, u"0"));
    appendLine(out, kLiveResults + u',' + FormatNumber(s.LiveResults, u"0"));
    appendLine(out, kLiveResultsPort + u',' + FormatNumber(s.LiveResultsPort, u"0"));
    appendLine(out, kLiveResultsDropLowest + u',' + FormatNumber(s.LiveResultsDropLowest, u"0"));
    return toAnsi(out);
}

Status SaveConfigFile(const QString& configFile, const QString& programDir,
                      const Settings& settings) {
    return SaveFileAtomically(settingsPath(configFile, programDir), SettingsFileBytes(settings));
}

Status SaveChangedConfigFile(const QString& configFile, const QString& programDir,
                             const Settings& settings, QByteArray& onDisk) {
    const QByteArray bytes = SettingsFileBytes(settings);
    if (bytes == onDisk)
        return Status::success();
    const Status saved = SaveConfigFile(configFile, programDir, settings);
    if (saved)
        onDisk = bytes;
    return saved;
}

bool SettingsCanHold(const QString& text) {
    return !text.contains(u',') && !text.contains(u'\r') && !text.contains(u'\n') &&
           fromAnsi(toAnsi(text)) == text;
}

void UpdateQuickSelection(Settings& s, const QString& contestFile, const QString& contestDir) {
    if (!SettingsCanHold(contestFile) || !SettingsCanHold(contestDir))
        return;
    const int count = std::clamp(s.FilesInFilemenu, 0, MaxRecentFiles);
    for (int k = 0; k < count; ++k) {
        if (s.FileLocations[k] == contestDir && s.FileNames[k] == contestFile)
            return;
    }
    if (count < MaxRecentFiles) {
        s.FileNames[count] = contestFile;
        s.FileLocations[count] = contestDir;
        s.FilesInFilemenu = count + 1;
        return;
    }
    std::move(s.FileNames.begin() + 1, s.FileNames.end(), s.FileNames.begin());
    std::move(s.FileLocations.begin() + 1, s.FileLocations.end(), s.FileLocations.begin());
    s.FileNames[MaxRecentFiles - 1] = contestFile;
    s.FileLocations[MaxRecentFiles - 1] = contestDir;
}

QString RecentFileCaption(const Settings& settings, int index) {
    return QStringLiteral("&%1 : %2").arg(index + 1).arg(settings.FileNames[index]);
}

} // namespace veltra
