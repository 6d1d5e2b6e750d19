// The trips-and-runs game's rules text.
// Point values are printed plainly, without thousands separators.
#include "games/trips/TripsRules.h"

#include "dialogs/rules/RulesParts.h"

using namespace rules;

QStringList TripsRulesParagraphs(const QString& title, const RulesValues& v) {
    return {
        ObjectParagraph(title, "two", v.TimeLimit, v.BonusRoundScore),
        "The " + title +
            " game board is separated into three sections: the storage area, the playing field, "
            "and the deck. The playing field consists of four columns, each of which may hold up "
            "to three cards. You earn points by creating '3 card runs' (a Run) and '3 of a kinds' "
            "(a Trip) in each column. To accomplish this you may move cards from the deck to the "
            "playing field or place them into the temporary storage area at the top of the "
            "board. The temporary storage area may hold up to three cards at one time and is used "
            "to store cards that are not needed at the time. You may also move the top card of a "
            "column in the playing field from one column to another.",
        "Each time a column is populated with a Trip or Run the column will be cleared "
        "automatically. For each Trip you create, you will be awarded " +
            RulesPlain(v.TripleScore) + " points while each  Run awards " + RulesPlain(v.RunScore) +
            " points. If the Run you create also happens to be a flush, you are awarded an "
            "additional " +
            RulesPlain(v.FlushScore) +
            " points. All these points are awarded during game play, not at the end of the round.",
        "If you manage to clear the deck you are awarded a bonus of " +
            RulesPlain(v.DeckCompletionBonus) +
            " points at the end of the round. If you clear the deck, but still have cards "
            "remaining in the storage area or the playing field, -" +
            RulesPlain(v.LeftOverPenalty) +
            " will be deducted from your score for each remaining card.",
        "If during game play you feel that you have no more moves remaining, click on the 'Take "
        "Score' button to end the round. You will be awarded " +
            RulesPlain(v.TimeBonus) + " points for each unused second remaining in the round.",
        "This game moves very quickly. While it is important to clear the deck, don't overlook "
        "the value of the straight flush. It can really pay off! ",
        kGoodLuck,
    };
}
