#pragma once
// The elevens game's own program-wide values: its scoring settings, its display options and
// the decks of the last game, which Replay and the saved games deal again. The card goal,
// the scoring mode, the time bonus, the custom-scoring mark and the score live in Shared(),
// where the high-score, rules and saved-game code read them.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace ElevensDefaults {
constexpr int32_t BonusRoundScore = 80000;
constexpr int32_t CompletionBonus = 10000;
constexpr int32_t Bonus = 1500;   // per combination, classic scoring
constexpr int32_t BonusES = 1000; // per combination, enhanced scoring
constexpr int32_t TimeBonus = 100;
constexpr int32_t CardBonus = 1000;
constexpr int CardGoal = 11;
constexpr int TimeLimit = 90;
constexpr int SelectionColour = 1;
constexpr int DeckDesign = 1;
// The range the custom-scoring dialog accepts for every scoring value.
constexpr int32_t MinScoringValue = 1;
constexpr int32_t MaxScoringValue = 5000000;
} // namespace ElevensDefaults

struct ElevensSettings {
    int32_t BonusRoundScore = ElevensDefaults::BonusRoundScore; // needed after round 2
    int32_t CompletionBonus = ElevensDefaults::CompletionBonus; // for clearing the field
    int32_t Bonus = ElevensDefaults::Bonus;                     // per combination, classic
    int32_t BonusES = ElevensDefaults::BonusES;                 // per combination, enhanced
    // Per pile card left at an enhanced completion. Not in the settings file: it starts at
    // the default and keeps what the custom-scoring dialog stores for the rest of the run.
    int32_t CardBonus = ElevensDefaults::CardBonus;
    bool DrawTimer = true;                                  // count bonuses up at a round end
    int SelectionColour = ElevensDefaults::SelectionColour; // 0..5
};
ElevensSettings& ElevensOptions();

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

// The window's load defaults before the settings file is read: card goal, time limit,
// scoring values and mode, music off, custom-scoring mark and replay flag. The card bonus
// is kept.
void ResetElevensLoadDefaults();

// True when a compared scoring value of the current mode differs from its default.
bool ElevensScoringIsCustom();
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
