// The poker grid game's rules text.
// Point values are printed plainly, without thousands separators.
#include "games/pokergrid/PokerGridRules.h"

#include "dialogs/rules/RulesParts.h"

using namespace rules;

QStringList PokerGridRulesParagraphs(const QString& title, const RulesValues& v) {
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
