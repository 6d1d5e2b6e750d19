#include "games/pokergrid/PokerGridSettings.h"

#include "services/HighScores.h"
#include "services/SharedState.h"

PokerGridSettings& PokerGridOptions() {
    static PokerGridSettings settings;
    return settings;
}

void ResetPokerGridDefaults() {
    SharedState& s = Shared();
    s.TimeLimit = PokerGridDefaults::TimeLimit;
    s.SoundsOn = PokerGridDefaults::SoundsOn;
    s.MusicOn = PokerGridDefaults::MusicOn;
    s.DeckDesign = PokerGridDefaults::DeckDesign;
    s.CountDownScore = PokerGridDefaults::CountDownScore;
    s.BonusRoundScore = PokerGridDefaults::BonusRoundScore;
    s.TimeBonus = PokerGridDefaults::TimeBonus;
    PokerGridOptions() = PokerGridSettings{};
}

bool PokerGridScoringIsCustom() {
    const SharedState& s = Shared();
    const PokerGridSettings& o = PokerGridOptions();
    return !(o.hands == PokerGridDefaults::Hands) || s.TimeBonus != PokerGridDefaults::TimeBonus ||
           s.BonusRoundScore != PokerGridDefaults::BonusRoundScore ||
           o.OverWrites != PokerGridDefaults::OverWrites;
}

QString PokerGridBonusStatusText() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusRoundScore) +
           QStringLiteral(" for bonus round.  ");
}

QString PokerGridPlayStatusText() {
    return QStringLiteral("Click on cards to get the best Poker hand!   ");
}
