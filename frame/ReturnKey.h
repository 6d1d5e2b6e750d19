#pragma once
// Return and Enter in a game window, as a player knows them from any dialog: a main window
// has no default button of its own, and a push button takes only Space by itself.

#include <QPointer>
#include <QPushButton>

// Return or Enter presses the focused push button, or else `defaultButton` (may be null),
// while that button is enabled and shown. A text box that has the focus keeps the key, and
// a dialog open over the window takes it in its own window. A push button switched off while
// it has the focus gives it to `defaultButton` where that can be pressed, else to none.
void UseReturnKey(QWidget* window, QPushButton* defaultButton);

// Lives while the frame switches the window's commands off or gives Play back. A button
// switched off hands its focus on to the next control in the tab order, and where the window
// is not the active one (under a question box, or after one closed) Qt says so to no one, so
// the watch above never sees it. A focus that moved meanwhile went where the player never
// put it: it goes to `defaultButton` where that can be pressed, else to none.
class CommandSwitch {
  public:
    CommandSwitch(QWidget* window, QPushButton* defaultButton);
    ~CommandSwitch();
    CommandSwitch(const CommandSwitch&) = delete;
    CommandSwitch& operator=(const CommandSwitch&) = delete;

  private:
    QWidget* window_;
    QPointer<QPushButton> default_;
    QPointer<QWidget> before_;
};
