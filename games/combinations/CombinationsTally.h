#pragma once
// The round-end tally: every card used this round pays the cards-used bonus, then the 21s
// pay their count times the round's 21 bonus, each counted onto the score step by step or
// added at once.

#include <QString>
#include <cstdint>
#include <vector>

struct TallyStep {
    int32_t score = 0;   // the total after the step
    int64_t counter = 0; // the count label after it: cards left, or the 21s amount left
};

struct CombinationsTally {
    bool countUp = true; // step by step; else each bonus at once and a pause
    int cardsUsed = 0;
    int64_t cardsAmount = 0;
    std::vector<TallyStep> cardSteps; // one per card used; empty when added at once
    int32_t scoreAfterCards = 0;

    bool twentyOnesShown = false; // no 21s: the line and its pause are skipped
    int twentyOnes = 0;
    int32_t bonus = 0;
    int64_t twentyOnesAmount = 0;
    QString line;                          // "3 X 2,000 = 6,000"
    std::vector<TallyStep> twentyOneSteps; // steps of the 21 bonus value; empty when at once
    int32_t score = 0;                     // after the whole tally
};

struct TallyInput {
    int32_t score = 0;
    int cardsUsed = 0;
    int twentyOnes = 0;
    int32_t bonus = 0; // what each 21 is worth
    bool countUp = true;
    int32_t cardsUsedBonusValue = 0;
    int32_t twentyOneBonusValue = 0; // the step of the 21s count-up
};

CombinationsTally ComputeTally(const TallyInput& in);
