#pragma once
// Twindle's scoring values, with "Twindle.Ini" described once by its table (the reader, the
// writer, the defaults, the custom mark, the dialog's values and the rules text all come from
// it). The pairs, runs and completion bonuses are the game's own; the time bonus, the
// bonus-round score and the count-down switch live in Shared(), where the frame's count-ups
// and the rules text read them.

#include "frame/SettingsTable.h"

#include <QString>
#include <cstdint>

struct PairsSettings {
    int32_t PairsBonus = 0;      // per pair made, at the round's end
    int32_t RunsBonus = 0;       // per run made
    int32_t CompletionBonus = 0; // for clearing the top row of the layout
};
PairsSettings& PairsOptions();

inline const QString kTwindleMusic = QStringLiteral("[Play Music]");
inline const QString kTwindleTime = QStringLiteral("[Time]");
inline const QString kTwindleSounds = QStringLiteral("[Play Sounds]");
inline const QString kTwindleCountDown = QStringLiteral("[Count Down Score]");
inline const QString kTwindlePairs = QStringLiteral("[Pairs Bonus]");
inline const QString kTwindleRuns = QStringLiteral("[Runs Bonus]");
inline const QString kTwindleTimeBonus = QStringLiteral("[Time Bonus]");
inline const QString kTwindleBonusScore = QStringLiteral("[Bonus Score]");
inline const QString kTwindleCompletion = QStringLiteral("[Completion Bonus]");
inline const QString kTwindleDeck = QStringLiteral("[Deck]");

// "Twindle.Ini", its keys in written order: "[Play Music]" both first and after the sounds,
// the window's three before "[Deck]". Each stored value is checked on its own as it is read:
// one that is no number or lies outside what the custom-scoring dialog accepts leaves that
// setting at its default and the reading goes on. The five scoring values count toward the
// custom mark; the count-down never does.
const SettingsTable& PairsSettingsTable();

// The window's load defaults before the settings file is read (the switches, time limit,
// card backs and every scoring value).
void ResetPairsLoadDefaults();

// "Pairs x 3000", "Runs x 500"
QString PairsHeading();
QString RunsHeading();
// Status-bar panel 1 at a deal: "Make 80,000 for Bonus Round!   "
QString PairsDealStatusText();
// Status-bar panel 1 after the custom-scoring dialog: "Make 80,000 for bonus round.  "
QString PairsCustomStatusText();
