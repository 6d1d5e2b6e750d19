// The texts of the poker grid and the trips-and-runs games. Both print their point values
// plainly, without thousands separators.

#include "dialogs/rules/RulesParts.h"

namespace rules {

QStringList Marvane(const QString& title, const RulesValues& v) {
    const QString table = "   One Pair = " + RulesPlain(v.PairScore) + kLineBreak +
                          "   Two Pair = " + RulesPlain(v.TwoPairScore) + kLineBreak +
                          "   Three of a kind = " + RulesPlain(v.TripsScore) + kLineBreak +
                          "   Straight = " + RulesPlain(v.StraightScore) + kLineBreak +
                          "   Flush = " + RulesPlain(v.FlushScore) + kLineBreak +
                          "   Full House = " + RulesPlain(v.FullHouseScore) + kLineBreak +
                          "   Four of a kind = " + RulesPlain(v.FourScore) + kLineBreak +
                          "   Straight Flush = " + RulesPlain(v.StraightFlushScore) + kLineBreak +
                          "   Royal Flush = " + RulesPlain(v.RoyalFlushScore);
    return {
        ObjectParagraph(title, "three", v.TimeLimit, v.BonusRoundScore),
        "To earn points in this game you must create 10 poker hands by placing cards from the "
        "deck into the provided columns and rows. Once completed, each row and each column form a "
        "complete 5 card poker hand.",
        "Once a card has been played it may not be moved, however, you are allowed to overwrite " +
            RulesPlain(v.OverWrites) +
            " cards per round. You may not pass cards from the deck, each card off of the deck "
            "must be played before another card is exposed.",
        "The hands are awarded points based on the following table:",
        table,
        "At the end of each round, the total value of all 10 hands is multiplied by the number "
        "of seconds remaing in the round. It is therefore essential to complete each round as "
        "quickly as possible! If time expires before all hands have been completed you forfeit "
        "the round (0 points).",
        "While each round is played, the current number of points earned is displayed at the "
        "bottom right of the game board. Remember...because your score is so dependent on the "
        "amount of time remaining, you must be quick!",
        kGoodLuck,
    };
}

QStringList Tressel(const QString& title, const RulesValues& v) {
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

} // namespace rules
