// The three-towers game's rules text.
#include "games/towers/TowersRules.h"

#include "dialogs/rules/RulesParts.h"

using namespace rules;

QStringList TowersRulesParagraphs(const QString& title, const RulesValues& v) {
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
