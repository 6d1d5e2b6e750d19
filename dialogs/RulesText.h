#pragma once
// The rules, notes and strategy of each game as one text. The numbers in it are the scoring
// values in force, so the text always states the time limit, thresholds and points the player
// is actually playing with. Pure text building: no window, no shared state.

#include <QString>
#include <cstdint>

// The values a rules text can quote. The names are those of the games' settings; several games
// keep their own setting in the same variable (TimeBonus, BonusRoundScore, FlushScore, ...),
// so only the fields of the game asked for are read.
struct RulesValues {
    int TimeLimit = 0; // seconds per round

    // Elevens
    int32_t ElevensBonusRoundScore = 0;
    int32_t ElevensBonus = 0;
    int32_t ElevensBonusES = 0;
    int32_t ElevensCompletionBonus = 0;
    int CardBonus = 0; // also the three-towers run rise
    int CardGoal = 0;
    bool EnhancedScoring = false;
    QString TakeScoreCaption; // caption of the elevens Take Score button, access key included

    // Shared thresholds and per-second bonus
    int32_t BonusScore = 0;      // five-column, wild-eights
    int32_t BonusRoundScore = 0; // the other card and word games
    int32_t TimeBonus = 0;

    // Five-column
    int TimeBonusMax = 0;
    int TimeBonusMin = 0;
    float TimeBonusStep = 0; // fall of the time bonus per second
    int CardsToPass = 0;     // cards that may be passed per round

    // Twenty-one combinations (DeckCompletionBonus is the trips game's too)
    int32_t TwentyOneBonusValue = 0;
    int32_t FiveCardsBonusValue = 0;
    int32_t DeckCompletionBonus = 0;
    int32_t CardsUsedBonusValue = 0;

    // Three-towers
    int32_t HighRunBonus = 0;
    int32_t TowerBonus = 0;

    // Pairs-and-runs (CompletionBonus is the phrase game's too)
    int32_t PairsBonus = 0;
    int32_t RunsBonus = 0;
    int32_t CompletionBonus = 0;

    // Poker grid hand values (FlushScore is the trips game's too)
    int OverWrites = 0;
    int32_t PairScore = 0;
    int32_t TwoPairScore = 0;
    int32_t TripsScore = 0;
    int32_t StraightScore = 0;
    int32_t FlushScore = 0;
    int32_t FullHouseScore = 0;
    int32_t FourScore = 0;
    int32_t StraightFlushScore = 0;
    int32_t RoyalFlushScore = 0;

    // Trips-and-runs
    int32_t TripleScore = 0;
    int32_t RunScore = 0;
    int32_t LeftOverPenalty = 0; // stored positive

    // Phrase
    int GuessCount = 0;
    int32_t GuessBonus = 0;

    // Wild-eights
    int32_t EightsCompleteBonus = 0;

    // The values a fresh settings file gives the game titled gameTitle (with its "!"), as its
    // descriptor fills them; all zero for a title no game has.
    static RulesValues DefaultsFor(const QString& gameTitle);

    // Copies the program-wide values (time limit, thresholds, time bonus, card goal, scoring
    // mode) from the shared state; the game-only values stay as they are.
    void TakeShared();
};

// The whole rules text of the game titled gameTitle, with CR LF line breaks, laid out as its
// descriptor says; empty for a title no game has.
QString RulesText(const QString& gameTitle, const RulesValues& v);

// Number formats of the texts: plain decimal, and grouped in threes with commas
// ("###,###,###,##0").
QString RulesPlain(int64_t n);
QString RulesGrouped(int64_t n);
