#pragma once

#include "core/texts.h"

#include <QWidget>

class QPlainTextEdit;

namespace veltra {

// The dynamic property that ties a window, label, button, menu or menu item to the language
// key of its caption. Each window's .ui file sets it on the controls the language file names.
inline constexpr const char* LanguageKeyProperty = "languageKey";

// Puts the loaded caption of every language key on `window` and its controls; controls whose
// key no language file has given keep their built-in captions. Each window calls it when it is
// created, so that a window made after a language file was read shows that file's captions.
void ApplyLanguageCaptions(QWidget& window, const Texts& texts);

// The same for every window that exists, after a language file has been read.
void ApplyLanguageCaptionsToAllWindows(const Texts& texts);

// The width a window needs to show its whole caption in its title bar, beside the window's icon
// and buttons.
int CaptionWidth(const QWidget& window);

// Places `dialog` in the middle of `over`, as every dialog does when it is shown, wide enough
// for its whole caption.
void CentreOver(QWidget& dialog, const QWidget& over);

// Courier New where it exists, otherwise the system's fixed-pitch font, so that the columns of
// a text line up; tabs every eight characters.
void UseFixedPitchFont(QPlainTextEdit& area);

// The hourglass while a long listing or a report is made; the user interface waits for it.
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace veltra
