// The wild-eights game's rules text.
#include "games/eights/EightsRules.h"

#include "dialogs/rules/RulesParts.h"

using namespace rules;

QStringList EightsRulesParagraphs(const QString& title, const RulesValues& v) {
    return {
        ObjectParagraph(title, "two", v.TimeLimit, v.BonusScore),
        "The " + title + "'s game board is divided into two parts:",
        "1. The lower section which contains the deck and five source spots for cards." +
            kLineBreak + "2. The upper area containing three target spots for cards.",
        "The upper and lower sections are separated by the Move Timer. You earn points by moving "
        "the cards from the five lower spots to the three upper spots. You may move a card from a "
        "lower spot to an upper spot under any of five conditions:",
        "1. The upper spot is vacant." + kLineBreak +
            "2. The card in the upper spot is the same suit as the card in the lower spot." +
            kLineBreak +
            "3. The card in the upper spot is the same face value as the card in the lower     "
            "     spot." +
            kLineBreak + "4. The card in the lower spot is an 8 (8's are wild)." + kLineBreak +
            "5. The card in the upper spot is an 8 (8's are wild).",
        "The number of points awarded for moving a card from a lower spot to an upper spot is "
        "determined by 2 factors:",
        "1. The current value of the spot (this is displayed over the spot)." + kLineBreak +
            "2. The amount of time left on the Move Timer.",
        "When a card is moved from a lower spot to an upper spot, the number of points awarded is "
        "equal to the value of the spot multiplied by the current value of the Move Timer. The "
        "Move Timer's value will fall between 40 and 5 and is reset each time a card is moved to "
        "an upper spot. The values of the upper spots, from left to right, are initially set to "
        "500, 200 and 100. You may increase the value of an upper spot by matching the face value "
        "of the card currently on the spot. Starting at the left most spot, the amount of the "
        "increase will be 500, 200 or 100. For example, if the left most upper spot contains the "
        "Jack of Diamonds, placing any other Jack on that spot will increase that spot's value by "
        "500 points.",
        "Note: Moving an 8 to an upper spot counts as matching the face value, not the suit of "
        "the card. Also, moving a card to an upper spot which contains an 8 counts as matching "
        "the suit, not the face value of the card. ",
        "You may also earn points by completing the round before the timer expires. This may be "
        "accomplished in two ways:",
        "1. You use all the cards in the deck before the timer expires." + kLineBreak +
            "2. There are no legal moves remaining and there is still time left on the clock.",
        "When either of the 2 above conditions are met, you will be awarded " +
            RulesGrouped(v.TimeBonus) + " points for each second remaining in the round.",
        "Note: When there are no more legal moves left the timers are disabled and a dialog will "
        "appear notifying you of the condition.",
        "Last but not least, if you manage to use all cards in the deck you are awarded and "
        "additional " +
            RulesGrouped(v.EightsCompleteBonus) + " points.",
        "Strategy: Try to build up the value of the upper spots early. When given the option of "
        "moving to multiple upper spots, play on the left most spot.",
        kGoodLuck,
    };
}
