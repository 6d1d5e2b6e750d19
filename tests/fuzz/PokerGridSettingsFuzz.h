#pragma once
// "Marvane.Ini" through the poker grid table: every stored value stays within what the
// user-options dialog accepts and the time limit and card back are ones the menus offer.
#include "games/pokergrid/PokerGridSettings.h"
#include "services/SharedState.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

inline void FuzzPokerGridSettings(const QByteArray& text) {
    auto require = [](bool ok) {
        if (!ok) std::abort();
    };
    auto within = [](int64_t v, int64_t most) { return v >= 0 && v <= most; };
    ResetPokerGridDefaults();
    PokerGridSettingsTable().apply(text);
    const SharedState& s = Shared();
    require(s.TimeLimit >= 30 && s.TimeLimit <= 120 && s.TimeLimit % 15 == 0);
    require(s.DeckDesign >= 1 && s.DeckDesign <= 4);
    const PokerGridSettings& o = PokerGridOptions();
    for (int32_t v : {o.hands.PairScore, o.hands.TwoPairScore, o.hands.TripsScore,
                      o.hands.StraightScore, o.hands.FlushScore, o.hands.FullHouseScore,
                      o.hands.FourScore, o.hands.StraightFlushScore})
        require(within(v, 50000));
    require(within(o.hands.RoyalFlushScore, 100000));
    require(within(o.OverWrites, 26));
    require(within(s.TimeBonus, 10));
    require(within(s.BonusRoundScore, 1000000));
}
