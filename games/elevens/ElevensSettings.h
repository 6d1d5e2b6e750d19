#pragma once
// The elevens game's own program-wide values: its scoring settings, its display options and
// the decks of the last game, which Replay and the saved games deal again. The card goal,
// the scoring mode, the time bonus, the custom-scoring mark and the score live in Shared(),
// where the high-score, rules and saved-game code read them.

#include "frame/SettingsTable.h"

#include <QString>
#include <QStringList>
#include <cstdint>

struct ElevensSettings {
    int32_t BonusRoundScore = 0; // needed after round 2
    int32_t CompletionBonus = 0; // for clearing the field
    int32_t Bonus = 0;           // per combination, classic
    int32_t BonusES = 0;         // per combination, enhanced
    // Per pile card left at an enhanced completion. Not in the settings file: each window load
    // starts it at its default, and it keeps what the custom-scoring dialog stores until the
    // window closes.
    int32_t CardBonus = 0;
    bool DrawTimer = true;   // count bonuses up at a round end
    int SelectionColour = 0; // 0..5
};
ElevensSettings& ElevensOptions();

// The file's keys, as the window and the dialog name them.
inline const QString kElevensColor = QStringLiteral("[Color]");
inline const QString kElevensMusic = QStringLiteral("[Play Music]");
inline const QString kElevensTime = QStringLiteral("[Time]");
inline const QString kElevensDrawTimer = QStringLiteral("[DrawTimer]");
inline const QString kElevensSounds = QStringLiteral("[Play Sounds]");
inline const QString kElevensCardGoal = QStringLiteral("[CardGoal]");
inline const QString kElevensBonusRound = QStringLiteral("[Bonus Round Score]");
inline const QString kElevensCompletion = QStringLiteral("[Completion Bonus]");
inline const QString kElevensBonus = QStringLiteral("[Elevens Bonus]");
inline const QString kElevensBonusES = QStringLiteral("[Elevens Bonus ES]");
inline const QString kElevensTimeBonus = QStringLiteral("[Time Bonus]");
inline const QString kElevensScoreMode = QStringLiteral("[New Score Mode]");
inline const QString kElevensDeck = QStringLiteral("[Deck]");

// "Sumbry.Ini": the game's blocks with the window's spread among them. A colour outside 0 to
// 5 is passed over; a time limit the menu does not offer, a goal outside 10 to 15, a design
// outside 1 to 4 or a scoring value outside 1 to 5,000,000 gives its default. The bonus-round
// score, the completion bonus and the time bonus count toward the custom mark, and the points
// per combination of the scoring mode in force.
const SettingsTable& ElevensSettingsTable();

// What the custom-scoring dialog edits: four of the file's values, the scoring mode, the
// points per combination of the mode in force (the file keeps one for each mode) and the card
// bonus, which the file does not keep. Every value lies within 1 to 5,000,000.
const SettingsTable& ElevensScoringTable();
inline const QString kElevensComboBonus = QStringLiteral("combination bonus");
inline const QString kElevensCardBonus = QStringLiteral("card bonus");

// The decks dealt in each round of the last game (index 0 holds no card; an empty list or an
// empty first card means "not dealt"), its final score, and whether the next Play replays.
struct ElevensLastGame {
    QStringList Round1Deck;
    QStringList Round2Deck;
    QStringList Round3Deck;
    int32_t LastGameScore = 0;
    bool ReplayMode = false;
    // What the game was played under: the goal the decks were made for, the time limit and
    // whether customized scoring was in effect. A saved game records these with the decks.
    int CardGoal = 0;
    int TimeLimit = 0;
    bool Custom = false;
};
ElevensLastGame& LastElevensGame();

// Set once the saved game named on the command line has been opened (or failed to open): it
// opens with the first elevens window of the run only, however often the window is opened.
bool& ElevensCommandLineHandled();

// The window's load defaults before the settings file is read: every setting at its default,
// the card bonus too, and the custom-scoring mark and replay flag cleared.
void ResetElevensLoadDefaults();

// Points per combination in the current scoring mode.
int32_t ElevensComboBonus();

// The high-score table of the current goal and scoring mode:
// "Sumbry Hi Score Table " + ("ES " when enhanced) + card goal + "_"
QString ElevensTableName();
// The Hall of Fame's line naming the goal (and the enhanced scoring).
QString ElevensHallOfFameInfo();

// "Tens:" .. "Fifteens:" for goals 10..15; empty for any other goal.
QString GoalCaption(int goal);
// "Click on exposed cards to total 11!   "
QString GoalStatusText(int goal);
// "Make 80,000 for Bonus Round!   "
QString BonusRoundStatusText();
// GameTitle, with " - Enhanced Scoring" in enhanced scoring.
QString ElevensWindowCaption();
// The border colour of the selection frames (blue-green-red value); 0 outside 0..5.
int SelectionColourValue(int index);
