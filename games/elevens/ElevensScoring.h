#pragma once
// The scoring of an elevens round end: the completion, combination, card and speed bonuses,
// each added to the score in one step or counted up step by step for the display.

#include <QString>
#include <cstdint>
#include <vector>

enum class BonusKind { Completion, Combinations, Cards, Speed };

// One step of a count-up: the score and message after it, and the counter that goes with it
// (completion: step 1..10; combinations: combinations left; cards: cards left in the pile;
// speed: the elapsed second reached, which the clock pie shows).
struct BonusStep {
    int32_t score = 0;
    QString message;
    int counter = 0;
};

struct RoundBonus {
    BonusKind kind = BonusKind::Completion;
    int64_t amount = 0;
    bool shown = true;            // false only for a completion bonus of 0 (its sound still plays)
    QString message;              // shown before the bonus is added
    std::vector<BonusStep> steps; // empty when the bonus is added in one step
    int32_t scoreAfter = 0;
};

struct RoundEndInput {
    int32_t score = 0;
    bool cleared = false; // the field was cleared
    int combinations = 0; // made this round
    int pileCards = 0;    // cards left in the pile
    int timeLimit = 90;
    int elapsed = 0; // seconds used
    bool enhanced = true;
    bool countUp = true;
    QString goalName; // "Elevens": the goal's caption without its colon
    int32_t completionBonus = 0;
    int32_t comboBonus = 0; // per combination, of the scoring mode in play
    int32_t cardBonus = 0;
    int32_t timeBonus = 0;
};

// The bonuses a round end pays, in the order they are shown. Every addition is made in
// 64-bit arithmetic and the score kept within 32 bits; a count-up always ends with the
// score raised by exactly the bonus.
std::vector<RoundBonus> ComputeRoundBonuses(const RoundEndInput& in);

// Points for the up card in a combination: 100 in classic scoring; in enhanced scoring the
// enhanced value of the first empty field place (`firstEmpty`, -1 for none gives 0).
int UpCardPoints(bool enhanced, int firstEmpty);
