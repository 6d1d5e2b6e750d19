#pragma once
// Showing a window modally. Tests install a driver that acts on the window (types, clicks)
// while it is shown; no nested event loop runs then, so a failing test can never leave a
// dialog open and hang.

#include <QDialog>
#include <functional>

namespace platform {

// Shows the dialog modally and returns its result code once it has closed.
int ShowModal(QDialog& dialog);

class ModalDriver {
  public:
    using Handler = std::function<void(QDialog&)>;
    explicit ModalDriver(Handler h);
    ~ModalDriver();
    // Number of dialogs shown while this driver was installed.
    int shown() const { return shown_; }

  private:
    friend int ShowModal(QDialog&);
    Handler handler_;
    ModalDriver* previous_;
    int shown_ = 0;
};

} // namespace platform
