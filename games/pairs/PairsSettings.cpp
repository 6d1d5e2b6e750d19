#include "games/pairs/PairsSettings.h"

#include "services/HighScores.h"
#include "services/SharedState.h"

PairsSettings& PairsOptions() {
    static PairsSettings settings;
    return settings;
}

void ResetPairsLoadDefaults() {
    SharedState& s = Shared();
    s.TimeLimit = PairsDefaults::TimeLimit;
    s.SoundsOn = true;
    s.MusicOn = false;
    s.DeckDesign = PairsDefaults::DeckDesign;
    s.CountDownScore = true;
    s.TimeBonus = PairsDefaults::TimeBonus;
    s.BonusRoundScore = PairsDefaults::BonusRoundScore;
    PairsOptions() = PairsSettings{};
}

bool PairsScoringIsCustom() {
    const SharedState& s = Shared();
    const PairsSettings& o = PairsOptions();
    return o.PairsBonus != PairsDefaults::PairsBonus || o.RunsBonus != PairsDefaults::RunsBonus ||
           s.TimeBonus != PairsDefaults::TimeBonus ||
           s.BonusRoundScore != PairsDefaults::BonusRoundScore ||
           o.CompletionBonus != PairsDefaults::CompletionBonus;
}

std::vector<PairsScoringValue> PairsScoringValues() {
    using namespace PairsDefaults;
    PairsSettings& o = PairsOptions();
    SharedState& s = Shared();
    return {
        {"txtPairsBonus", &o.PairsBonus, PairsBonus, MaxBonus,
         "Sorry, you cannot set the pairs bonus value to less than 0 points.",
         "Sorry, you cannot set the pairs bonus value to more than 32767 points"},
        {"txtRunsBonus", &o.RunsBonus, RunsBonus, MaxBonus,
         "Sorry, you cannot set the runs bonus value to less than 0 points.",
         "Sorry, you cannot set the runs bonus value to more than 32767 points"},
        {"txtBonusRound", &s.BonusRoundScore, BonusRoundScore, MaxBonusRoundScore,
         "Sorry, you cannot set the value required for a bonus round to less than 0 points.",
         "Sorry, you cannot set the value required for a bonus round to more than 200000 "
         "points."},
        {"txtCompletionBonus", &o.CompletionBonus, CompletionBonus, MaxBonus,
         "Sorry, you cannot set the value of the completion bonus to less than 0 points.",
         "Sorry, you cannot set the value of the completion bonus to more than 32767 points."},
        {"txtTimeBonus", &s.TimeBonus, TimeBonus, MaxBonus,
         "Sorry, you cannot set the Time Bonus value to less than 0 points.",
         "Sorry, you cannot set the Time Bonus value to greater than 32767 points"},
    };
}

QString PairsHeading() {
    return QStringLiteral("Pairs x ") + QString::number(PairsOptions().PairsBonus);
}

QString RunsHeading() {
    return QStringLiteral("Runs x ") + QString::number(PairsOptions().RunsBonus);
}

QString PairsDealStatusText() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusRoundScore) +
           QStringLiteral(" for Bonus Round!   ");
}

QString PairsCustomStatusText() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusRoundScore) +
           QStringLiteral(" for bonus round.  ");
}
