#pragma once
// Return and Enter in a game window, as a player knows them from any dialog: a main window
// has no default button of its own, and a push button takes only Space by itself.

class QPushButton;
class QWidget;

// Return or Enter presses the focused push button, or else `defaultButton` (may be null),
// while that button is enabled and shown. A text box that has the focus keeps the key, and
// a dialog open over the window takes it in its own window. A push button switched off while
// it has the focus gives it to `defaultButton` where that can be pressed, else to none.
void UseReturnKey(QWidget* window, QPushButton* defaultButton);
