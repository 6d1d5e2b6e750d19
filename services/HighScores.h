#pragma once
// High-score table files: one per game and time limit (a game may also name its table from
// its settings), ten rows "name, score, date", best first. Showing a table's best score and
// entering a new one open windows: dialogs/HighScoreEntry.h.

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

// Writes a fresh table of ten placeholder rows; a failure is reported.
void CreateHighScoreFile(const QString& tableName, QWidget* gameWindow,
                         const QString& defaultTopScore);
// The same without a report: false, with why (the file named) in `error`.
bool WriteFreshHighScoreFile(const QString& tableName, const QString& defaultTopScore,
                             QString* error);
// Writes a fresh table only where none is there; false when it is missing and cannot be
// made, which is told through ReportTableProblem with `always`.
bool MakeMissingHighScoreFile(const QString& tableName, const QString& defaultTopScore,
                              bool always);

// Tells the player what is wrong with a table. A window shows its best score several times
// while it loads (the time item, a topic, the load itself), so unless `always` the same
// problem with an unchanged file is told only once; making a table (at a load, or on Clear)
// or placing a score in it always tells, and counts as the telling. A table that is missing
// is one problem whatever is said about it. The message opens over `over`, or the window that
// is active.
void ReportTableProblem(const QString& path, const QString& problem, bool always,
                        QWidget* over = nullptr);
