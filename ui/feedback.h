#pragma once

#include <QString>

namespace veltra {

// How a window or command reports back to the main window: a message box, the status line and
// the progress bar. The main window implements it; windows never include the main window.
class Feedback {
  public:
    // A message box with the program's name as title.
    virtual void showMessage(const QString& text) = 0;
    // The status line at the foot of the main window.
    virtual void showFooter(const QString& text) = 0;
    // A success worth a word but no answer, such as the file a report went to: the status line
    // shows it for a while and then what it showed before.
    virtual void showStatus(const QString& text) = 0;
    // The progress bar, shown with the share done, 0 to 100, or running to and fro while work
    // of no known length goes on, for a negative share.
    virtual void showProgress(int percent) = 0;
    virtual void hideProgress() = 0;

  protected:
    ~Feedback() = default;
};

} // namespace veltra
