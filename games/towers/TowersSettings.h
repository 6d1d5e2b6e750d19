#pragma once
// The three-towers game's own program-wide values: its scoring settings and the longest run
// ever made, with "Crestal.Ini" described once by its table (the reader, the writer, the
// defaults, the custom mark, the dialog's values and the rules text all come from it). The
// time bonus, the bonus-round score, the count-down switch and the custom-scoring mark live
// in Shared(), where the frame, the high-score and rules code read them.

#include "frame/SettingsTable.h"

#include <QString>
#include <cstdint>

struct TowersSettings {
    // What each further card of a run adds to the card value. Held in 32 bits: a 28-card run
    // multiplies it by 28.
    int32_t CardBonus = 0;
    int32_t TowerBonus = 0;   // per tower completed in the round
    int32_t HighRunBonus = 0; // per card of a new high run
    int32_t HighRun = 0;      // the longest run ever made, kept in the settings file
};
TowersSettings& TowersOptions();

inline const QString kCrestalTime = QStringLiteral("[Time]");
inline const QString kCrestalHiRun = QStringLiteral("[Hi Run]");
inline const QString kCrestalCardBonus = QStringLiteral("[Card Bonus]");
inline const QString kCrestalBonusScore = QStringLiteral("[Bonus Score]");
inline const QString kCrestalTowerBonus = QStringLiteral("[Tower Bonus]");
inline const QString kCrestalHighRunBonus = QStringLiteral("[High Run Bonus]");
inline const QString kCrestalCountDown = QStringLiteral("[Count Down Score]");
inline const QString kCrestalTimeBonus = QStringLiteral("[Time Bonus]");
inline const QString kCrestalDeck = QStringLiteral("[Deck]");
inline const QString kCrestalMusic = QStringLiteral("[Play Music]");
inline const QString kCrestalSounds = QStringLiteral("[Play Sounds]");

// The longest run the field allows: every card of it.
inline constexpr int kMaxHighRun = 28;

// "Crestal.Ini", its keys in written order with the window's three before "[Deck]". Each
// stored value is checked on its own as it is read: one that is no number or lies outside
// what the custom-scoring dialog accepts leaves that setting at its default and the reading
// goes on. The five scoring values count toward the custom mark; the count-down never does.
const SettingsTable& TowersSettingsTable();

// The window's load defaults before the settings file is read (scoring values, switches,
// time limit, high run 0).
void ResetTowersLoadDefaults();

// "Make 40,000 for Bonus Round!   " (the deal's status text)
QString TowersBonusRoundStatus();
// "Make 40,000 for bonus round.  " (after the custom-scoring dialog)
QString TowersCustomBonusStatus();
// "Highest Run: 7"
QString HighRunCaption(int highRun);
