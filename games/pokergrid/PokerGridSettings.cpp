#include "games/pokergrid/PokerGridSettings.h"

#include "services/HighScores.h"
#include "services/SharedState.h"

PokerGridSettings& PokerGridOptions() {
    static PokerGridSettings settings;
    return settings;
}

const SettingsTable& PokerGridSettingsTable() {
    SharedState& s = Shared();
    PokerGridSettings& o = PokerGridOptions();
    HandValues& h = o.hands;
    auto hand = [](const QString& key, int32_t& value, int32_t defaultValue, int32_t most) {
        return SettingNumber(key, value, defaultValue, 0, most).counts();
    };
    static const SettingsTable table(
        {
            SettingChoice(kMarvaneTime, s.TimeLimit, 75, {30, 45, 60, 75, 90, 105, 120}),
            SettingFlag(kMarvaneSounds, s.SoundsOn, true),
            SettingFlag(kMarvaneMusic, s.MusicOn, false),
            SettingFlag(kMarvaneCountDown, s.CountDownScore, true),
            SettingChoice(kMarvaneDeck, s.DeckDesign, 1, {1, 2, 3, 4}), // Palm Tree
            SettingNumber(kMarvaneTimeBonus, s.TimeBonus, 1, 0, 10).counts(),
            SettingNumber(kMarvaneBonusScore, s.BonusRoundScore, 100000, 0, 1000000).counts(),
            hand(kMarvanePair, h.PairScore, 50, 50000),
            hand(kMarvaneTwoPair, h.TwoPairScore, 70, 50000),
            hand(kMarvaneTrips, h.TripsScore, 80, 50000),
            hand(kMarvaneFlush, h.FlushScore, 100, 50000),
            hand(kMarvaneFullHouse, h.FullHouseScore, 200, 50000),
            hand(kMarvaneStraight, h.StraightScore, 90, 50000),
            hand(kMarvaneFour, h.FourScore, 300, 50000),
            hand(kMarvaneStraightFlush, h.StraightFlushScore, 400, 50000),
            hand(kMarvaneRoyalFlush, h.RoyalFlushScore, 500, 100000),
            // More than 26 could use the deck up.
            SettingNumber(kMarvaneOverWrites, o.OverWrites, 3, 0, 26).counts(),
            WindowBlocks(),
        },
        QSize(9570, 7200), QStringLiteral("Marvane.Ini"));
    return table;
}

void ResetPokerGridDefaults() {
    PokerGridSettingsTable().resetDefaults();
}

QString PokerGridBonusStatusText() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusRoundScore) +
           QStringLiteral(" for bonus round.  ");
}

QString PokerGridPlayStatusText() {
    return QStringLiteral("Click on cards to get the best Poker hand!   ");
}
