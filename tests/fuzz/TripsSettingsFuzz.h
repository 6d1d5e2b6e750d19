#pragma once
// "Tressel.Ini" through the trips-and-runs reader: every value handed to the window, and
// every scoring value kept, is one the game can take.
#include "games/trips/TripsSettings.h"
#include "games/trips/TripsSettingsFile.h"
#include "services/SharedState.h"

#include <QByteArray>
#include <cstdlib>

inline void FuzzTripsSettings(const QByteArray& text) {
    auto require = [](bool ok) {
        if (!ok) std::abort();
    };
    ResetTripsLoadDefaults();
    TripsSettingsHandlers h;
    h.timeLimit = [&](int t) { require(t >= 60 && t <= 180 && t % 15 == 0 && t != 165); };
    h.deckDesign = [&](int d) { require(d >= 1 && d <= 4); };
    TripsSettingsReader(h).apply(text);
    const TripsSettings& o = TripsOptions();
    using namespace TripsRanges;
    require(o.TripleScore >= 0 && o.TripleScore <= MaxTriple);
    require(o.RunScore >= 0 && o.RunScore <= MaxRun);
    require(o.FlushScore >= 0 && o.FlushScore <= MaxFlush);
    require(o.DeckCompletionBonus >= 0 && o.DeckCompletionBonus <= MaxDeckCompletion);
    require(o.LeftOverPenalty >= 0 && o.LeftOverPenalty <= MaxLeftOverPenalty);
    require(Shared().TimeBonus >= 0 && Shared().TimeBonus <= MaxTimeBonus);
    require(Shared().BonusRoundScore >= 0 && Shared().BonusRoundScore <= MaxBonusRound);
}
