// The pairs-and-runs game's rules text.
#include "games/pairs/PairsRules.h"

#include "dialogs/rules/RulesParts.h"

using namespace rules;

QStringList PairsRulesParagraphs(const QString& title, const RulesValues& v) {
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
