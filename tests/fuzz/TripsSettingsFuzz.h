#pragma once
// "Tressel.Ini" through the trips-and-runs table: every scoring value kept is one the game
// can take, and the time limit and card back are ones the menus offer.
#include "games/trips/TripsSettings.h"
#include "services/SharedState.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

inline void FuzzTripsSettings(const QByteArray& text) {
    auto require = [](bool ok) {
        if (!ok) std::abort();
    };
    auto within = [](int64_t v, int64_t most) { return v >= 0 && v <= most; };
    ResetTripsLoadDefaults();
    TripsSettingsTable().apply(text);
    const SharedState& s = Shared();
    require(s.TimeLimit >= 60 && s.TimeLimit <= 180 && s.TimeLimit % 15 == 0 && s.TimeLimit != 165);
    require(s.DeckDesign >= 1 && s.DeckDesign <= 4);
    const TripsSettings& o = TripsOptions();
    require(within(o.TripleScore, 20000) && within(o.RunScore, 20000));
    require(within(o.FlushScore, 20000) && within(o.DeckCompletionBonus, 100000));
    require(within(o.LeftOverPenalty, 20000));
    require(within(s.TimeBonus, 5000) && within(s.BonusRoundScore, 1000000));
}
