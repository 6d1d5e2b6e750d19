#pragma once
// "Marvane.Ini" through the poker grid reader: every value handed to the window is one it can
// take, and every stored value stays within what the user-options dialog accepts.
#include "games/pokergrid/PokerGridSettings.h"
#include "games/pokergrid/PokerGridSettingsFile.h"
#include "services/SharedState.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

inline void FuzzPokerGridSettings(const QByteArray& text) {
    auto require = [](bool ok) {
        if (!ok) std::abort();
    };
    ResetPokerGridDefaults();
    PokerGridSettingsHandlers h;
    int timeCalls = 0;
    h.timeLimit = [&](int t) {
        ++timeCalls;
        require(t == 0 || (t >= 30 && t <= 120 && t % 15 == 0));
    };
    h.deckDesign = [&](int d) { require(d >= 0 && d <= 4); };
    PokerGridSettingsReader(h).apply(text);
    require(timeCalls == 1);

    using namespace PokerGridLimits;
    const PokerGridSettings& o = PokerGridOptions();
    for (int32_t v : {o.hands.PairScore, o.hands.TwoPairScore, o.hands.TripsScore,
                      o.hands.StraightScore, o.hands.FlushScore, o.hands.FullHouseScore,
                      o.hands.FourScore, o.hands.StraightFlushScore})
        require(v >= 0 && v <= HandMax);
    require(o.hands.RoyalFlushScore >= 0 && o.hands.RoyalFlushScore <= RoyalFlushMax);
    require(o.OverWrites >= 0 && o.OverWrites <= OverWritesMax);
    require(Shared().TimeBonus >= 0 && Shared().TimeBonus <= TimeBonusMax);
    require(Shared().BonusRoundScore >= 0 && Shared().BonusRoundScore <= BonusRoundMax);
}
