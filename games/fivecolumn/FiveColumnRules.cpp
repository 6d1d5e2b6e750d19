// The five-column game's rules text.
#include "games/fivecolumn/FiveColumnRules.h"

#include "dialogs/rules/RulesParts.h"

#include <cmath>

using namespace rules;

namespace {

// The fall per second is a fraction; the text states its whole part. A time limit of zero would
// make it infinite, which has no whole part to print.
QString WholePart(float step) {
    if (!std::isfinite(step)) return RulesPlain(0);
    return RulesPlain(static_cast<int64_t>(std::trunc(step)));
}

} // namespace

QStringList FiveColumnRulesParagraphs(const QString& title, const RulesValues& v) {
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
