#pragma once
// The poker grid game's scoring settings, with "Marvane.Ini" described once by its table (the
// reader, the writer, the defaults, the custom mark, the dialog's values and the rules text
// all come from it). The nine hand values and the overwrites per round are the game's own;
// the time limit, time bonus, bonus-round score, switches and card-back design live in
// Shared(), where the frame, the rules and the high-score code read them.

#include "frame/SettingsTable.h"
#include "games/pokergrid/PokerHands.h"

#include <QString>
#include <cstdint>

struct PokerGridSettings {
    HandValues hands;
    int32_t OverWrites = 0;
};
PokerGridSettings& PokerGridOptions();

inline const QString kMarvaneTime = QStringLiteral("[Time]");
inline const QString kMarvaneSounds = QStringLiteral("[Play Sounds]");
inline const QString kMarvaneMusic = QStringLiteral("[Play Music]");
inline const QString kMarvaneCountDown = QStringLiteral("[Count Down Score]");
inline const QString kMarvaneDeck = QStringLiteral("[Deck]");
inline const QString kMarvaneTimeBonus = QStringLiteral("[Time Bonus]");
inline const QString kMarvaneBonusScore = QStringLiteral("[Bonus Score]");
inline const QString kMarvanePair = QStringLiteral("[Pair Score]");
inline const QString kMarvaneTwoPair = QStringLiteral("[Two Pair Score]");
inline const QString kMarvaneTrips = QStringLiteral("[Trips Score]");
inline const QString kMarvaneFlush = QStringLiteral("[Flush Score]");
inline const QString kMarvaneFullHouse = QStringLiteral("[Full House Score]");
inline const QString kMarvaneStraight = QStringLiteral("[Straight Score]");
inline const QString kMarvaneFour = QStringLiteral("[Four Score]");
inline const QString kMarvaneStraightFlush = QStringLiteral("[Straight Flush Score]");
inline const QString kMarvaneRoyalFlush = QStringLiteral("[Royal Flush Score]");
inline const QString kMarvaneOverWrites = QStringLiteral("[Over Writes]");

// "Marvane.Ini", its keys in written order (the flush and full house before the straight),
// then the window's three. Each stored value is checked on its own as it is read: one that is
// no number or lies outside what the custom-scoring dialog accepts leaves that setting at its
// default and the reading goes on. The twelve scoring values count toward the custom mark;
// counting up never does.
const SettingsTable& PokerGridSettingsTable();

// The window load's defaults before the settings file is read, shared values included.
void ResetPokerGridDefaults();

// "Make 100,000 for bonus round.  "
QString PokerGridBonusStatusText();
// "Click on cards to get the best Poker hand!   "
QString PokerGridPlayStatusText();
