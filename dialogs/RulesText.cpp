#include "dialogs/RulesText.h"

#include "dialogs/rules/RulesParts.h"
#include "services/GameRegistry.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

namespace {
const QString kParagraphBreak = QStringLiteral("\r\n\r\n");
} // namespace

namespace rules {

QString ObjectParagraph(const QString& title, const char* rounds, int timeLimit,
                        int32_t threshold) {
    return "As with most games, the object of " + title +
           " is to attain the highest number of points possible. The game consists of " +
           QString::fromLatin1(rounds) + " rounds, each lasting " + RulesPlain(timeLimit) +
           " seconds. If you earn more than " + RulesGrouped(threshold) +
           " points in these rounds you are awarded an additional bonus round.";
}

} // namespace rules

QString RulesPlain(int64_t n) {
    return QString::number(n);
}

QString RulesGrouped(int64_t n) {
    return FormatScore(n);
}

QString RulesText(const QString& gameTitle, const RulesValues& v) {
    const GameDescriptor* game = FindGameByTitle(gameTitle);
    if (!game || !game->rulesParagraphs) return {};
    const QString head = "\r\n" + QString(game->rulesHeadingBlanks, ' ') + gameTitle +
                         " Rules, Notes and Strategy" + kParagraphBreak + "Requirements: To run " +
                         gameTitle + " you need Windows 95 or above and a mouse." +
                         QLatin1String(game->rulesRequirementGap) + "Recommended: Soundcard." +
                         kParagraphBreak;
    return head + game->rulesParagraphs(gameTitle, v).join(kParagraphBreak);
}

RulesValues RulesValues::DefaultsFor(const QString& gameTitle) {
    RulesValues v;
    if (const GameDescriptor* game = FindGameByTitle(gameTitle); game && game->rulesDefaults)
        game->rulesDefaults(v);
    return v;
}

void RulesValues::TakeShared() {
    const SharedState& s = Shared();
    TimeLimit = s.TimeLimit;
    TimeBonus = s.TimeBonus;
    BonusScore = s.BonusScore;
    BonusRoundScore = s.BonusRoundScore;
    CardGoal = s.CardGoal;
    EnhancedScoring = s.EnhancedScoring;
}
