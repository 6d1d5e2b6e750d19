#include "games/combinations/CombinationsTally.h"

#include "services/HighScores.h"
#include "services/SharedState.h"

namespace {
// Counts `amount` onto `score` in steps of `each`; a last short step keeps the sum exact.
std::vector<TallyStep> countUp(int32_t& score, int64_t amount, int64_t each) {
    std::vector<TallyStep> steps;
    if (each <= 0) {
        score = AddScore(score, amount);
        return steps;
    }
    for (int64_t left = amount; left > 0;) {
        const int64_t step = left < each ? left : each;
        left -= step;
        score = AddScore(score, step);
        steps.push_back({score, left});
    }
    return steps;
}
} // namespace

CombinationsTally ComputeTally(const TallyInput& in) {
    CombinationsTally t;
    t.countUp = in.countUp;
    int32_t score = in.score;
    t.cardsUsed = in.cardsUsed;
    t.cardsAmount = int64_t(in.cardsUsed) * in.cardsUsedBonusValue;
    if (in.countUp) {
        for (int k = 1; k <= in.cardsUsed; ++k) {
            score = AddScore(score, in.cardsUsedBonusValue);
            t.cardSteps.push_back({score, in.cardsUsed - k});
        }
    } else {
        score = AddScore(score, t.cardsAmount);
    }
    t.scoreAfterCards = score;

    t.twentyOnes = in.twentyOnes;
    t.bonus = in.bonus;
    t.twentyOnesShown = in.twentyOnes != 0;
    if (t.twentyOnesShown) {
        t.twentyOnesAmount = int64_t(in.twentyOnes) * in.bonus;
        t.line = QString::number(in.twentyOnes) + " X " + FormatScore(in.bonus) + " = " +
                 FormatScore(t.twentyOnesAmount);
        if (in.countUp)
            t.twentyOneSteps = countUp(score, t.twentyOnesAmount, in.twentyOneBonusValue);
        else
            score = AddScore(score, t.twentyOnesAmount);
    }
    t.score = score;
    return t;
}
