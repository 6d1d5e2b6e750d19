#pragma once
// The wild-eights game's scoring values and options, with "Eights.Ini" described once by its
// table (the reader, the writer, the defaults, the custom mark, the dialog's values and the
// rules text all come from it). The bonus-round score, the time bonus, the count-down switch
// and the custom-scoring mark live in Shared(), where the frame, the high-score table and the
// rules text read them; the deck-completion bonus is this game's own.

#include "frame/SettingsTable.h"

#include <QString>
#include <cstdint>

struct EightsSettings {
    int32_t EightsCompleteBonus = 0;
};
EightsSettings& EightsOptions();

inline const QString kEightsSounds = QStringLiteral("[Play Sounds]");
inline const QString kEightsMusic = QStringLiteral("[Play Music]");
inline const QString kEightsDeck = QStringLiteral("[Deck]");
inline const QString kEightsBonusScore = QStringLiteral("[Bonus Score]");
inline const QString kEightsCompleteBonus = QStringLiteral("[Eights CompleteBonus]");
inline const QString kEightsTimeBonus = QStringLiteral("[Time Bonus]");
inline const QString kEightsCountDown = QStringLiteral("[Count Down]");
inline const QString kEightsTime = QStringLiteral("[Time]");

// "Eights.Ini", its keys in written order, ending with the window's width and height (the
// state is read but never written). Each stored value is checked on its own as it is read:
// one that is no number or lies outside what the custom-scoring dialog accepts keeps its
// default (a time bonus below 1 would take points away), and "[Count Down]" other than
// "True" or "False" keeps it too. The three scoring values count toward the custom mark.
const SettingsTable& EightsSettingsTable();

// The window's load defaults before the settings file is read: no game, music off, sounds
// on, design 1, 90 seconds and the default scoring values.
void ResetEightsLoadDefaults();

// "Make 5,000,000 for bonus round.  "
QString EightsBonusGoalText();
