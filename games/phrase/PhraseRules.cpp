// The phrase game's rules text.
#include "games/phrase/PhraseRules.h"

#include "dialogs/rules/RulesParts.h"

using namespace rules;

QStringList PhraseRulesParagraphs(const QString& title, const RulesValues& v) {
    return {
        "As with most games, the object of " + title +
            " is to attain the highest number of points possible. The game consists of two "
            "rounds, each lasting " +
            RulesPlain(v.TimeLimit) + " seconds. If you earn more than " +
            RulesGrouped(v.BonusRoundScore) +
            " points in these rounds, and you successfully solve the phrases in both Rounds 1 and "
            "2, you are awarded an additional bonus round.",
        "The game begins by displaying a combination of empty boxes, each of which represents a "
        "letter in a common phrase or name. Your job is to figure out what the phrase or name is "
        "by choosing letters from the alphabet. Initially you can select only consonants. Once "
        "you have selected a letter which appears in the phrase you are allowed to select vowels "
        "(this is why the buttons for the vowels are disabled at the start of each round).",
        "You are allowed " + RulesPlain(v.GuessCount) +
            " incorrect letter selections (or 'guesses') in each round. If you exceed this "
            "number, the phrase is displayed and the round is terminated. You are allowed to keep "
            "any points earned during the round.",
        "When you solve the phrase you are awarded an additional " +
            RulesGrouped(v.CompletionBonus) + " points. In addition, you are awarded " +
            RulesGrouped(v.GuessBonus) +
            " points for each remaining guess. Remaining guesses are represented by smiley faces "
            "located near the bottom of the " +
            title + " window.",
        "When you select a letter which appears in the phrase, you are awarded a certain number "
        "of points for each occurrence of the letter. The number of points awarded for each "
        "letter (known as the letter value) will fall between 250 and 180,000. The letter value "
        "is randomly generated and is based on the number of characters in the phrase. The "
        "average letter value will be significantly higher for phrases containing fewer "
        "characters. This algorithm was adopted to create a level playing field for each round "
        "regardless of the number of characters in the phrase. The current letter value is "
        "displayed in the lower left corner of the " +
            title + " window. ",
        "When you think you know the solution to the phrase you can click on the 'Solve It' "
        "command button. Selecting this command will cause two things to happen: One, the main "
        "game clock is stopped, and two, the letter value is locked for the duration of the "
        "round. It should be obvious that using the 'Solve It' command button has it's "
        "advantages! Once you know the solution, wait for a high letter value and lock it in! "
        "Likewise, if you are running out of time, clicking the 'Solve It' command button can "
        "help.",
        "However, the 'Solve It' command button has its down side as well. Once you click it you "
        "must solve the phrase without making any errors. If you select a letter which does not "
        "appear in the phrase the round is terminated. You are allowed to keep any points earned "
        "during the round.",
        "When you reach the Bonus Round things get a little trickier. As in rounds 1 and 2, you "
        "are presented with a blank phrase. You begin the round by selecting 5 consonants and 1 "
        "vowel. If any of them appear in the phrase they will be uncovered. You must then solve "
        "the puzzle by selecting additional letters. However any incorrect letter selection will "
        "terminate the round.",
        "Timers: There are two timers used in " + title +
            ". The main game timer, which appears in the upper right corner of the window, "
            "describes the time remaining in the current round. The second timer, called the "
            "'letter timer', appears just above the alphabet command buttons. In rounds 1 and 2, "
            "you must select letters before the letter timer expires. If you fail to do so, one "
            "of your 'guesses' is eliminated. Each time you select a letter, the letter timer is "
            "reset to 0. In the bonus round you must pick all 6 initial letters before the "
            "'letter timer' expires. Then, you must continue to select additional letters "
            "without allowing the timer to expire. Failure to do this in the bonus round will "
            "terminate the round and thus end the game.",
        "When you complete each round, you are awarded " + RulesGrouped(v.TimeBonus) +
            " points for each second remaining in the round.",
        kGoodLuck,
    };
}
