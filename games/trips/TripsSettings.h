#pragma once
// The trips-and-runs game's scoring values, with "Tressel.Ini" described once by its table
// (the reader, the writer, the defaults, the custom mark, the dialog's values and the rules
// text all come from it). The time limit, the time bonus, the bonus-round score and the
// switches live in Shared(), where the frame, the high-score and the rules code read them;
// the values only this game uses live here.

#include "frame/SettingsTable.h"

#include <QSize>
#include <QString>
#include <cstdint>

struct TripsSettings {
    int32_t TripleScore = 0;
    int32_t RunScore = 0;
    int32_t FlushScore = 0;
    int32_t DeckCompletionBonus = 0;
    int32_t LeftOverPenalty = 0; // per card, kept positive
};
TripsSettings& TripsOptions();

inline const QString kTresselTime = QStringLiteral("[Time]");
inline const QString kTresselSounds = QStringLiteral("[Play Sounds]");
inline const QString kTresselMusic = QStringLiteral("[Play Music]");
inline const QString kTresselCountDown = QStringLiteral("[Count Down Score]");
inline const QString kTresselDeck = QStringLiteral("[Deck]");
inline const QString kTresselTimeBonus = QStringLiteral("[Time Bonus]");
inline const QString kTresselBonusScore = QStringLiteral("[Bonus Score]");
inline const QString kTresselTrips = QStringLiteral("[Trips Score]");
inline const QString kTresselRuns = QStringLiteral("[Runs Score]");
inline const QString kTresselFlush = QStringLiteral("[Flush Score]");
inline const QString kTresselDeckCompletion = QStringLiteral("[Deck Completion]");
inline const QString kTresselLeftOver = QStringLiteral("[LeftOverCards]");

// The window's design size, which is also its smallest normal size (twips).
inline constexpr int kTripsDesignWidth = 9540;
inline constexpr int kTripsDesignHeight = 7305;

// "Tressel.Ini", its keys in written order, then the window's three. Each stored value is
// checked on its own as it is read: one that is no number or lies outside the range the
// custom-scoring dialog accepts keeps its default, and the rest still applies. The seven
// scoring values count toward the custom mark; the count-down never does.
const SettingsTable& TripsSettingsTable();

// The window's load defaults, before the settings file is read: values another game left in
// the shared places never leak into this one.
void ResetTripsLoadDefaults();

// Status panel 1 while a round runs: "Make 100,000 for Bonus Round!   "
QString TripsBonusRoundStatus();
// Status panel 1 after the custom-scoring dialog's OK: "Make 100,000 for bonus round.  "
QString TripsBonusTargetStatus();
