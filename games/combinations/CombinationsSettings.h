#pragma once
// The twenty-one combinations game's own settings, with "Brisko.Ini" described once by its
// table (the reader, the writer, the defaults, the custom mark, the dialog's values and the
// rules text all come from it). The time limit, the bonus-round score, the count-down switch
// and the custom mark live in Shared(), where the frame, the rules text and the high-score
// tables read them.

#include "frame/SettingsTable.h"

#include <QString>
#include <cstdint>

struct CombinationsSettings {
    int32_t TimerSpeed = 0;          // ms a step of the '21 Counter'
    int32_t CardsToPass = 0;         // passes allowed per round
    int32_t TwentyOneBonusValue = 0; // what each 21 adds to the round's 21 bonus
    int32_t CardsUsedBonusValue = 0; // per card used
    int32_t FiveCardsBonusValue = 0; // per gimme
    int32_t DeckCompletionBonus = 0;
    int32_t WaitPeriod = 0; // pause after round messages and between rounds, ms
};
CombinationsSettings& CombinationsOptions();

// The file's keys, as the dialog and the window name them.
inline const QString kBriskoSounds = QStringLiteral("[Play Sounds]");
inline const QString kBriskoSpeed = QStringLiteral("[Timer Speed]");
inline const QString kBriskoMusic = QStringLiteral("[Play Music]");
inline const QString kBriskoDeck = QStringLiteral("[Deck]");
inline const QString kBriskoPasses = QStringLiteral("[Cards To Pass]");
inline const QString kBriskoTwentyOne = QStringLiteral("[TwentyOne Bonus Value]");
inline const QString kBriskoCardsUsed = QStringLiteral("[Cards Used Bonus Value]");
inline const QString kBriskoFiveCards = QStringLiteral("[5 Cards Bonus Value]");
inline const QString kBriskoCompletion = QStringLiteral("[Deck Completion Bonus]");
inline const QString kBriskoWait = QStringLiteral("[Wait Period]");
inline const QString kBriskoTime = QStringLiteral("[Time Limit]");
inline const QString kBriskoBonusRound = QStringLiteral("[Bonus Round Score]");
inline const QString kBriskoCountDown = QStringLiteral("[Count Down Score]");

// "Brisko.Ini": the game's blocks in their fixed order, the window's, one more empty line;
// the counter speed keeps the blank its number is written with. A value the game cannot take
// (a speed other than 90, 180 or 360, a time limit the menu does not offer, a scoring value
// outside the custom-scoring dialog's range) gives its default; a design outside 1 to 4 gives
// Palm Tree. The passes, the cards-used, five-card and deck-completion bonuses, the
// bonus-round score and the counter speed count toward the custom mark.
const SettingsTable& CombinationsSettingsTable();

// Shown (no icon, the program's own title) for a counter speed the game does not offer.
inline const QString kTimerSpeedMessage =
    QStringLiteral("Someone has been monkeying around with the INI file...tsk tsk! Timer speed "
                   "is set to default!");

// Every setting at its default: the load's starting point before the file is read, so that
// a missing key or a refused file leaves the game's own default.
void ResetCombinationsDefaults();
