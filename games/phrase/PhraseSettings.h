#pragma once
// The phrase game's settings: "Glyphon.Ini" described once by its table (the reader, the
// writer, the defaults, the custom mark, the dialog's values and the rules text all come
// from it): the scoring values, the faces per round, how long a lost phrase stays on view,
// and the topic. The time limit, time bonus, bonus-round score, switches and the
// custom-scoring mark live in Shared(), where the frame and the high-score and rules code
// read them.

#include "frame/SettingsTable.h"

#include <cstdint>

inline constexpr int kPhraseDesignWidth = 9570; // twips
inline constexpr int kPhraseDesignHeight = 7200;

struct PhraseSettings {
    int32_t GuessBonus = 0;      // per face left at a round end
    int32_t CompletionBonus = 0; // for a solved phrase
    int GuessCount = 0;          // faces (wrong guesses) per round
    int ShowPhraseTime = 0;      // ms a lost phrase stays on view
    // 0 = a topic drawn for every phrase, 1 to 7 a topic. Kept for the whole program run:
    // the window's load does not reset it.
    int Topic = 0;
};
PhraseSettings& PhraseOptions();

// The file's keys, as the dialog and the window name them.
inline const QString kPhraseMusic = QStringLiteral("[Play Music]");
inline const QString kPhraseTime = QStringLiteral("[Time]");
inline const QString kPhraseSounds = QStringLiteral("[Play Sounds]");
inline const QString kPhraseCountDown = QStringLiteral("[Count Down Score]");
inline const QString kPhraseTopic = QStringLiteral("[Topic]");
inline const QString kPhraseTimeBonus = QStringLiteral("[Time Bonus]");
inline const QString kPhraseBonusScore = QStringLiteral("[Bonus Score]");
inline const QString kPhraseCompletion = QStringLiteral("[Completion Bonus]");
inline const QString kPhraseGuessBonus = QStringLiteral("[Guess Bonus]");
inline const QString kPhraseGuessCount = QStringLiteral("[Guess Count]");
inline const QString kPhraseShowPhrase = QStringLiteral("[ShowPhrase]");

// "Glyphon.Ini": the game's blocks, the window's, and the topic once more at the end. A time
// limit or topic the menus do not offer is passed over; a scoring value outside what the
// dialog accepts, more faces than the window has or none, or a show time outside 1 to 30
// seconds gives its default. The scoring values and the faces count toward the custom mark;
// the show time and the count-down switch do not.
const SettingsTable& PhraseSettingsTable();

// The window's load defaults, before the settings file is read (the topic is kept).
void ResetPhraseLoadDefaults();
