#pragma once
// A game window's side of the high-score tables: the best score in its lblHighScore, and a
// new score entered with the player's name and shown in the Hall of Fame. Failures to read a
// table are reported to the player here.

#include <QString>

class QWidget;

// Creates the table when missing and shows its best score in the window's lblHighScore.
void ShowHighScore(const QString& tableName, QWidget* gameWindow, const QString& defaultTopScore);
// Places Score into the table, asking for the name and showing the Hall of Fame when it
// makes the table; a missing table is first made with `defaultTopScore`. The whole table is
// read and checked before the player is asked. False when the table could not be made, read
// or written (already reported; the file is left as it was).
bool InsertHighScore(const QString& tableName, QWidget* gameWindow, const QString& defaultTopScore);
