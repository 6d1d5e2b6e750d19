#include "dialogs/RulesText.h"

#include "app/SharedState.h"
#include "dialogs/rules/RulesParts.h"
#include "services/HighScores.h"

#include <array>

namespace {

using Paragraphs = QStringList (*)(const QString&, const RulesValues&);

QStringList Elevens(const QString& title, const RulesValues& v) {
    return v.EnhancedScoring ? rules::ElevensEnhanced(title, v) : rules::ElevensClassic(title, v);
}

// Each text centres its heading by hand with a run of blanks, and the requirement line has its
// own spacing before the sound-card note.
struct TextLayout {
    const char* title;
    int headingBlanks;
    const char* requirementGap;
    Paragraphs paragraphs;
};

constexpr std::array<TextLayout, 9> kLayouts{{
    {"Sumbry!", 30, "  ", Elevens},
    {"Quintel!", 33, "  ", rules::Quintel},
    {"Brisko!", 33, "  ", rules::Brisko},
    {"Crestal!", 33, "  ", rules::Crestal},
    {"Twindle!", 33, "  ", rules::Twindle},
    {"Marvane!", 31, "  ", rules::Marvane},
    {"Tressel!", 31, " ", rules::Tressel},
    {"Glyphon!", 31, " ", rules::Glyphon},
    {"Wildrow!", 33, "  ", rules::Wildrow},
}};

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
    for (const TextLayout& layout : kLayouts) {
        if (gameTitle != QLatin1String(layout.title)) continue;
        const QString head =
            "\r\n" + QString(layout.headingBlanks, ' ') + gameTitle + " Rules, Notes and Strategy" +
            kParagraphBreak + "Requirements: To run " + gameTitle +
            " you need Windows 95 or above and a mouse." + QLatin1String(layout.requirementGap) +
            "Recommended: Soundcard." + kParagraphBreak;
        return head + layout.paragraphs(gameTitle, v).join(kParagraphBreak);
    }
    return {};
}

RulesValues RulesValues::DefaultsFor(const QString& gameTitle) {
    RulesValues v;
    if (gameTitle == "Sumbry!") {
        v.TimeLimit = 90;
        v.ElevensBonusRoundScore = 80000;
        v.ElevensCompletionBonus = 10000;
        v.ElevensBonus = 1500;
        v.ElevensBonusES = 1000;
        v.TimeBonus = 100;
        v.CardGoal = 11;
        v.CardBonus = 1000;
        v.EnhancedScoring = true;
        v.TakeScoreCaption = "&Take Score";
    } else if (gameTitle == "Quintel!") {
        v.TimeLimit = 60;
        v.BonusScore = 200000;
        v.TimeBonusMax = 300;
        v.TimeBonusMin = 100;
        v.TimeBonusStep = float(v.TimeBonusMax - v.TimeBonusMin) / float(v.TimeLimit);
        v.CardsToPass = 1;
    } else if (gameTitle == "Brisko!") {
        v.TimeLimit = 90;
        v.BonusRoundScore = 250000;
        v.TwentyOneBonusValue = 1000;
        v.FiveCardsBonusValue = 750;
        v.DeckCompletionBonus = 100000;
        v.CardsUsedBonusValue = 100;
    } else if (gameTitle == "Crestal!") {
        v.TimeLimit = 45;
        v.BonusRoundScore = 40000;
        v.CardBonus = 100;
        v.HighRunBonus = 1000;
        v.TowerBonus = 5000;
        v.TimeBonus = 100;
    } else if (gameTitle == "Twindle!") {
        v.TimeLimit = 45;
        v.BonusRoundScore = 80000;
        v.PairsBonus = 3000;
        v.RunsBonus = 500;
        v.CompletionBonus = 10000;
        v.TimeBonus = 100;
    } else if (gameTitle == "Marvane!") {
        v.TimeLimit = 75;
        v.BonusRoundScore = 100000;
        v.OverWrites = 3;
        v.PairScore = 50;
        v.TwoPairScore = 70;
        v.TripsScore = 80;
        v.StraightScore = 90;
        v.FlushScore = 100;
        v.FullHouseScore = 200;
        v.FourScore = 300;
        v.StraightFlushScore = 400;
        v.RoyalFlushScore = 500;
    } else if (gameTitle == "Tressel!") {
        v.TimeLimit = 120;
        v.BonusRoundScore = 100000;
        v.TripleScore = 6000;
        v.RunScore = 300;
        v.FlushScore = 5000;
        v.DeckCompletionBonus = 15000;
        v.LeftOverPenalty = 250;
        v.TimeBonus = 200;
    } else if (gameTitle == "Glyphon!") {
        v.TimeLimit = 45;
        v.BonusRoundScore = 250000;
        v.GuessCount = 8;
        v.GuessBonus = 3000;
        v.CompletionBonus = 10000;
        v.TimeBonus = 100;
    } else if (gameTitle == "Wildrow!") {
        v.TimeLimit = 90;
        v.BonusScore = 5000000;
        v.EightsCompleteBonus = 50000;
        v.TimeBonus = 100;
    }
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
