#pragma once

#include "core/status.h"
#include "core/texts.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace veltra {

inline constexpr const char* DefaultLanguageFile = "English.lng";

enum class LanguageGroup {
    Heading,       // headings and labels of printouts, views and exports
    Message,       // messages, captions set when a window is shown, common button captions
    WindowCaption, // captions of a window and its labels and buttons
    MenuCaption,   // captions of the main window's menus
};

struct LanguageKey {
    const char* key;
    LanguageGroup group;
    const char* window; // the window that shows the caption; empty for the first two groups
    bool used;          // four heading keys are read and dropped
};

// Every key a language file may hold, in the order the shipped files list them.
const std::vector<LanguageKey>& LanguageKeys();

// Keeps the texts of a language file's known keys in `texts`. Keys the file leaves out or
// leaves empty keep their earlier text.
void ReadLanguageBytes(const QByteArray& bytes, Texts& texts);

// Reads the language file at `path`. A file that cannot be found or read, or is damaged (empty,
// no text, cut short), changes nothing and is reported.
Status ReadLanguageFile(const QString& path, Texts& texts);

} // namespace veltra
