#pragma once
// The program-wide state that lives for the whole run. Whichever game window is open fills
// the timing, scoring and switch values from its settings file and writes them back on close.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>

struct SharedState {
    // Current game and player
    QString GameTitle;     // display title and "!", the title of every game message box
    QString ProgramFolder; // the program's folder, ending in "/"
    QString UserName;
    QString UserHomeTown;
    QString UserState;
    QString UserCountry;
    QDateTime WindowLoadTime;
    bool GameInProgress = false;
    bool InputBlocked = false; // round end under way: clicks are ignored
    bool GameAbandoned = false;
    int Round = 0;
    int NewHighScoreIndex = -1;

    // Timing and scoring
    int TimeLimit = 0; // seconds per round
    int ElapsedSeconds = 0;
    int GaugeElapsed = 0;
    int32_t Score = 0;
    int32_t TimeBonus = 0;
    bool CountDownScore = false;
    bool CustomScoring = false;
    int32_t BonusRoundScore = 0;
    int32_t BonusScore = 0;

    // Switches
    bool SoundsOn = false;
    bool MusicOn = false;
    int DeckDesign = 0;

    // The elevens game's table choice, read by the shared high-score and rules windows.
    int CardGoal = 11;
    bool EnhancedScoring = false;

    // The program's command line after its name: a saved elevens game to open.
    QString CommandLine;

    // The shared deck: index 0 holds no card.
    QStringList Deck;
};

SharedState& Shared();

// Adds to a score in 64-bit arithmetic and keeps the result within the 32-bit range that
// scores are shown and stored in.
int32_t AddScore(int32_t score, int64_t add);
