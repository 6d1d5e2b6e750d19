#pragma once
// Places a top-level window in the middle of the primary screen.

class QWidget;

void CentreOnScreen(QWidget* window);
