// The twenty-one combinations game's rules text.
#include "games/combinations/CombinationsRules.h"

#include "dialogs/rules/RulesParts.h"

using namespace rules;

QStringList CombinationsRulesParagraphs(const QString& title, const RulesValues& v) {
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
