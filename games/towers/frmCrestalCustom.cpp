#include "games/towers/frmCrestalCustom.h"

#include "games/towers/TowersSettings.h"
#include "services/SharedState.h"

namespace {
ScoringRow row(const char* label, const char* caption, const char* box, int32_t high,
               const char* lowMessage, const char* highMessage, int32_t& target,
               int32_t defaultValue, QRect labelPlace, QRect boxPlace) {
    // Text that is no number is refused with the message of values below the range.
    return ScoringRow{label,
                      QString::fromLatin1(caption),
                      box,
                      0,
                      high,
                      QString::fromLatin1(lowMessage),
                      QString::fromLatin1(lowMessage),
                      QString::fromLatin1(highMessage),
                      [&target] { return target; },
                      [&target](int32_t v) { target = v; },
                      defaultValue,
                      labelPlace,
                      boxPlace};
}
} // namespace

ScoringTable CrestalScoringTable(std::function<void()> recompute) {
    namespace d = TowersDefaults;
    TowersSettings& o = TowersOptions();
    SharedState& s = Shared();
    ScoringTable t;
    t.dialogName = "frmCrestalCustom";
    t.note = QStringLiteral("Note: Changing any of the Scoring Options will cause your high "
                            "scores to be marked with an * indicating custom scoring was in use.");
    t.order = CheckOrder::StoreEach;
    t.messageIcon = platform::Icon::Information;
    t.frameWidth = 4455;
    t.rows = {
        row("lblCardIncrement",
            "When creating runs, each additional card increments card value by:", "txtCardValue",
            d::MaxCardBonus, "Sorry, you cannot increment the card value by less than 0 points.",
            "Sorry, you cannot increment the card value by greater than 1000 points", o.CardBonus,
            d::CardBonus, QRect(345, 285, 2640, 420), QRect(3000, 360, 960, 285)),
        row("lblBonusScore", "Score required for bonus round:", "txtBonusScore",
            d::MaxBonusRoundScore,
            "Sorry, a minimum of 0 points is required to make the bonus round.",
            "Sorry, a maximum of 900000 points is required to make the bonus round.",
            s.BonusRoundScore, d::BonusRoundScore, QRect(345, 810, 2235, 195),
            QRect(3000, 765, 960, 285)),
        row("Label1", "High Run bonus (per card):", "txtRunBonus", d::MaxHighRunBonus,
            "Sorry, a minimum of 0 points is required when achieving the high run bonus.",
            "Sorry, a maximum of 32767 points is required when achieving the high run bonus.",
            o.HighRunBonus, d::HighRunBonus, QRect(345, 1215, 1920, 195),
            QRect(3000, 1170, 960, 285)),
        row("Label2", "Bonus for completing each tower", "txtCompletedTower", d::MaxTowerBonus,
            "Sorry, a minimum of 0 points is required when achieving when completing each tower.",
            "Sorry, a maximum of 32767 points is required when completing each tower.",
            o.TowerBonus, d::TowerBonus, QRect(345, 1620, 2325, 195), QRect(3000, 1575, 960, 285)),
        row("lblTimeBonus", "Time Bonus (points per second)", "txtTimeBonus", d::MaxTimeBonus,
            "Sorry, you cannot set the Time Bonus value to less than 0 points.",
            "Sorry, you cannot set the Time Bonus value to greater than 32767 points", s.TimeBonus,
            d::TimeBonus, QRect(360, 2025, 2235, 195), QRect(3000, 1980, 960, 285)),
    };
    t.switches = {{"chkCountDown", "&Count Down when taking score",
                   [&s] { return s.CountDownScore; }, [&s](bool on) { s.CountDownScore = on; },
                   true, QRect(510, 3375, 3120, 225)}};
    t.recompute = std::move(recompute);
    return t;
}
