// The texts of the two twenty-one games: five columns, and combinations.

#include "dialogs/rules/RulesParts.h"

#include <cmath>

namespace rules {
namespace {

// The fall per second is a fraction; the text states its whole part. A time limit of zero would
// make it infinite, which has no whole part to print.
QString WholePart(float step) {
    if (!std::isfinite(step)) return RulesPlain(0);
    return RulesPlain(static_cast<int64_t>(std::trunc(step)));
}

} // namespace

QStringList Quintel(const QString& title, const RulesValues& v) {
    return {
        ObjectParagraph(title, "three", v.TimeLimit, v.BonusScore),
        "You earn points by creating 5 columns of cards to a maximum of 5 cards per column. Each "
        "card is worth it's face value (face cards are 10 points each, Aces are worth 1 or 11 "
        "points). If any column exceeds 21 points (ie: busted), the round is automatically ended "
        "and no points are awarded. Once you achieve a total of 97 points or greater (total of "
        "all 5 columns without busting) you begin to earn points towards the current round.",
        "The number of points you earn in a round is equal to your Card Total Value multiplied "
        "by the Time Bonus. Your Card Total Value is determined by the total of all five columns. "
        "If the total of all five columns is less than 97, your Card Total Value is 0. A column "
        "total of 97 is worth 50 points, 98 is worth 100 and so on up to a maximum of 105 which "
        "is worth 1000 points. There is a table located on the right side of the " +
            title +
            " window which describes the Card Total Value earned for a given card column total.",
        "The Time Bonus begins at " + RulesPlain(v.TimeBonusMax) + ". It decreases by " +
            WholePart(v.TimeBonusStep) +
            " for each second used in the round. If time expires the Time Bonus is worth " +
            RulesPlain(v.TimeBonusMin) + ".",
        "You are allowed to pass " + RulesPlain(v.CardsToPass) + " card(s) per round.",
        kGoodLuck,
    };
}

QStringList Brisko(const QString& title, const RulesValues& v) {
    const QString bonus = RulesGrouped(v.TwentyOneBonusValue);
    return {
        ObjectParagraph(title, "three", v.TimeLimit, v.BonusRoundScore),
        "You earn points by creating cards combinations that total 21. Each card is worth it's "
        "face value (face cards are 10 points each, Aces are worth 1 or 11 points). If any column "
        "exceeds 21 points (ie: busted), your score is reduced by 100 points. At the end of each "
        "round, the total number of 21 combinations that you created is multiplied by the 21 "
        "Bonus Value. The 21 Bonus Value increases by " +
            bonus + " each time a 21 combination is created. The 21 Bonus Value is reset to " +
            bonus +
            " if the '21 Counter' (a timer) expires. The '21 Counter' is reset each time a 21 "
            "combination is created. The '21 Counter' is set for approxiametly 10 seconds. Once "
            "you create your first 21 combination, you must create another one before the '21 "
            "Counter' expires or your 21 Bonus Value is reset to " +
            bonus + ".",
        "You also earn points by creating columns of 5 cards that do not exceed 21 (called a "
        "'five card gimme'). Each time a column of this type is created you are awarded " +
            RulesGrouped(v.FiveCardsBonusValue) +
            " points. Each time you create a 21 card combination or a 'five card gimme' the "
            "column is automatically cleared. If you are able to use all the cards in the deck "
            "you are awarded an additional " +
            RulesGrouped(v.DeckCompletionBonus) +
            " points. At the end of each round you are also awarded " +
            RulesGrouped(v.CardsUsedBonusValue) +
            " points for each card you used during the round.",
        kGoodLuck,
    };
}

} // namespace rules
