#pragma once

#include <QFont>
#include <QString>

class QLineEdit;
class QListWidget;
class QSpinBox;
class QWidget;

namespace veltra {

class Texts;

// Places `dialog` in the middle of the program's main window (the top of its parent chain),
// moved just enough to lie wholly on the screen.
void CentreOverMainWindow(QWidget& dialog);

// Refused input: a beep, the message in a box titled with the program's name, and the focus
// back in the box that holds the fault, its text selected.
void Refuse(QWidget& window, const QString& message, QWidget* box);

// A question in a message box titled with the program's name, its buttons captioned from the
// language texts; true when the answer is Yes (or OK). No is the default answer, OK the other.
bool AskYesNo(QWidget& window, const Texts& texts, const QString& question);
bool AskOkCancel(QWidget& window, const Texts& texts, const QString& question);

// A box whose text beeps and is cut to `limit` characters whenever it grows longer, whether by
// typing, pasting or filling.
void CutAtLimit(QLineEdit& box, int limit);

// Fills a box whose typing limit is `typingLimit`: a longer text from the store is kept whole
// (up to `cutLimit`, beyond which it beeps and is cut), only typing stops at the limit.
void FillLimitedBox(QLineEdit& box, const QString& text, int typingLimit, int cutLimit = 0);

// A spin control writes its value as plain digits into the text box beside it.
void MirrorSpinValue(QSpinBox& spin, QLineEdit& text);

// Lists whose lines are laid out in columns of characters.
QFont FixedPitchFont();

// Sizes an empty list to the lines it is to show: wide enough for lines of `characters`
// characters beside its scroll bar, and, when `lines` is above 0, high enough for that many.
void FitListToLines(QListWidget& list, int characters, int lines);

} // namespace veltra
