#pragma once
// High-score table files: one per game and time limit (the elevens game also per card goal
// and scoring mode), ten rows "name, score, date", best first.

#include <QString>
#include <cstdint>

class QWidget;

// ProgramFolder + tableName + TimeLimit + ".Txt"
QString HighScoreFilePath(const QString& tableName);
// "Sumbry Hi Score Table " + ("ES " when enhanced) + card goal + "_"
QString ElevensTableName();
// "###,###,###,##0" in fixed English whatever the locale.
QString FormatScore(int64_t score);

// Creates the table when missing and shows its best score in the window's lblHighScore.
void ShowHighScore(const QString& tableName, QWidget* gameWindow, const QString& defaultTopScore);
// Writes a fresh table of ten placeholder rows.
void CreateHighScoreFile(const QString& tableName, QWidget* gameWindow,
                         const QString& defaultTopScore);
// Places Score into the table, asking for the name and showing the Hall of Fame when it
// makes the table. False when the table could not be read or written (already reported).
bool InsertHighScore(const QString& tableName, QWidget* gameWindow);
