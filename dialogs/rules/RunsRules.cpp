// The texts of the three-towers and the pairs-and-runs games.

#include "dialogs/rules/RulesParts.h"

namespace rules {
namespace {
const QString kWays = "You earn points in a number ways:";
} // namespace

QStringList Crestal(const QString& title, const RulesValues& v) {
    return {
        ObjectParagraph(title, "two", v.TimeLimit, v.BonusRoundScore),
        kWays,
        "1. Clicking on exposed cards to create runs. For example, Ace-2-3 or 9-8-7-6-5. A run "
        "may span from a King to an Ace and vice versa. For example Queen-King-Ace-2 and "
        "3-2-Ace-King are both valid runs. The longer the run the more points you earn. Each time "
        "a new card is added to a run, the selected card's value increases by " +
            RulesGrouped(v.CardBonus) + " points.",
        "2. Creating the longest run. " + title +
            " keeps a record of the longest run attained. When you exceed the longest run you "
            "receive an additional " +
            RulesGrouped(v.HighRunBonus) + " points for each card in the run.",
        "3. Clearing Towers. The upper card area is layed out in a manner that represents three "
        "'Towers'. You can earn an additional bonus by clearing these Towers. This bonus is equal "
        "to the number of Towers cleared multiplied by " +
            RulesGrouped(v.TowerBonus) + " points.",
        "4. Time Bonus. If you have no playable cards remaining, clicking the 'Take Score' button "
        "will end the current round and award you " +
            RulesGrouped(v.TimeBonus) +
            " points for each second remaining on the clock. You do not get the Time Bonus if you "
            "have not cleared at least one tower.",
        kGoodLuck,
    };
}

QStringList Twindle(const QString& title, const RulesValues& v) {
    return {
        ObjectParagraph(title, "two", v.TimeLimit, v.BonusRoundScore),
        kWays,
        "1. Clicking on pairs of exposed cards to create pairs and runs. For example, 2-2, 5-6, "
        "and 10-9. A run may span from a King to an Ace and vice versa. For example King-Ace and "
        "Ace-King are both valid runs. You are awarded " +
            RulesGrouped(v.PairsBonus) + " points for each pair you create and " +
            RulesGrouped(v.RunsBonus) +
            " points for each run you create. These points are awarded at the end of each round. "
            "Obviously it is to your advantage to collect pairs rather than runs.",
        "2. Clearing the upper cards. If you manage to clear all of the cards from the upper "
        "playing field you are awarded and additional " +
            RulesGrouped(v.CompletionBonus) + " points at the end of the round.",
        "3. Time Bonus. If you have no playable cards remaining, clicking the 'Take Score' button "
        "will end the current round and award you " +
            RulesGrouped(v.TimeBonus) + " points for each second remaining on the clock. ",
        kGoodLuck,
    };
}

} // namespace rules
