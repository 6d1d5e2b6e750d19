#pragma once
// Saved elevens games (".smb" files): the decks of a finished game with the settings it was
// played under, so the same cards can be dealt again later, here or on another computer.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

class QWidget;

inline const QString kSavedGameExtension = QStringLiteral(".smb");
inline const QString kSavedGamePattern = QStringLiteral("*.smb");
// Stored in place of an empty player name.
inline const QString kAnonymousPlayer = QStringLiteral("an anonymous user");
inline const QString kUnableToOpenSavedGame =
    QStringLiteral("Unable to open the requested file. It may be damaged or you may have entered "
                   "an invalid file name.");
inline const QString kUnableToSaveGame = QStringLiteral(
    "Unable to save the file. Please verify that you have entered a valid path and file name.");

struct SavedGame {
    int cardGoal = 11;
    int timeLimit = 0;
    int32_t score = 0; // final score of the game whose decks these are
    bool custom = false;
    QString playerName;
    // Each round's deck as dealt, laid out like the game's own deck arrays: index 0 holds no
    // card, cards 1..N follow. A round that was not played has no card at index 1 (or no
    // elements at all when handed in for saving).
    std::array<QStringList, 3> roundDecks;

    bool roundPlayed(int round) const; // round 1..3
};

// Cards in the elevens deck for a card goal (0 for a goal the game does not offer).
int SavedDeckSize(int cardGoal);

// True for a card code the saved-game file may hold, without blanks: "1S" .. "13D".
bool IsSavedCardCode(const QString& code);

// Why this game cannot be stored or replayed (empty when it can): the card goal, the length
// of each played round's deck, the card codes, and that rounds were played in order.
QString SavedGameProblem(const SavedGame& game);

// The whole file text: CR LF line ends and one empty line at the end. Codes are written
// without blanks, rounds 2 and 3 only when they were played.
QByteArray SavedGameText(const SavedGame& game);

// Reads and checks the whole text; nothing (and `error`, if given, says why) when it is not
// a saved game that can be replayed. Unplayed rounds come back as empty decks of full size.
std::optional<SavedGame> ParseSavedGame(const QByteArray& text, QString* error = nullptr);
std::optional<SavedGame> ReadSavedGame(const QString& path, QString* error = nullptr);

// Reads a saved game for opening; a bad file gives the program's failure message (critical
// icon, titled with the game's title) and nothing.
std::optional<SavedGame> ReadSavedGameOrReport(const QString& path, QWidget* parent = nullptr);
