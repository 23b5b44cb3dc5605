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
    // The progress bar, shown with the share done, 0 to 100.
    virtual void showProgress(int percent) = 0;
    virtual void hideProgress() = 0;

  protected:
    ~Feedback() = default;
};

} // namespace veltra
