#pragma once
// High-score table files: one per game and time limit (a game may also name its table from
// its settings), ten rows "name, score, date", best first.

#include <QString>
#include <cstdint>
#include <optional>

class QWidget;

// ProgramFolder + tableName + TimeLimit + ".Txt"
QString HighScoreFilePath(const QString& tableName);
// "###,###,###,##0" in fixed English whatever the locale.
QString FormatScore(int64_t score);

// The table a game shows in the Hall of Fame, chosen by its GameTitle.
struct GameHighScoreTable {
    QString tableName;
    QString defaultTopScore; // what Clear writes
    QString info;            // the game's extra line above the custom-scoring note, if any
};
std::optional<GameHighScoreTable> HighScoreTableForGame(const QString& gameTitle);

// Reads a table file. On failure `error` of the result describes it for the player (file
// name included) and `rows` holds the rows that could be read before the damage.
struct HighScoreTable;
HighScoreTable LoadHighScoreFile(const QString& path);

// Creates the table when missing and shows its best score in the window's lblHighScore.
void ShowHighScore(const QString& tableName, QWidget* gameWindow, const QString& defaultTopScore);
// Writes a fresh table of ten placeholder rows.
void CreateHighScoreFile(const QString& tableName, QWidget* gameWindow,
                         const QString& defaultTopScore);
// Places Score into the table, asking for the name and showing the Hall of Fame when it
// makes the table. The whole table is read and checked before the player is asked. False
// when the table could not be read or written (already reported; the file is left as it was).
bool InsertHighScore(const QString& tableName, QWidget* gameWindow);
