#pragma once
// "Eights.Ini" through the wild-eights table: every scoring value kept is one the dialog
// accepts, and the time limit and card back are ones the menus offer.
#include "games/eights/EightsSettings.h"
#include "services/SharedState.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

inline void FuzzEightsSettings(const QByteArray& text) {
    auto require = [](bool ok) {
        if (!ok) std::abort();
    };
    ResetEightsLoadDefaults();
    EightsSettingsTable().apply(text);
    const SharedState& s = Shared();
    require(s.TimeLimit >= 60 && s.TimeLimit <= 120 && s.TimeLimit % 15 == 0);
    require(s.DeckDesign >= 1 && s.DeckDesign <= 4);
    require(s.BonusScore >= 0 && s.BonusScore <= 100000000);
    require(s.TimeBonus >= 1 && s.TimeBonus <= 10000);
    const int32_t deck = EightsOptions().EightsCompleteBonus;
    require(deck >= 0 && deck <= 2000000);
}
