#include "games/fivecolumn/FiveColumnSettings.h"

#include "services/SharedState.h"

#include <cmath>

FiveColumnSettings& FiveColumnOptions() {
    static FiveColumnSettings settings;
    return settings;
}

const SettingsTable& FiveColumnSettingsTable() {
    SharedState& s = Shared();
    FiveColumnSettings& o = FiveColumnOptions();
    static const SettingsTable table(
        {
            SettingChoice(kQuintelTime, s.TimeLimit, 60, {15, 30, 45, 60, 75}),
            SettingFlag(QStringLiteral("[Play Sounds]"), s.SoundsOn, true),
            SettingFlag(QStringLiteral("[Play Music]"), s.MusicOn, false),
            SettingNumber(kQuintelDeck, s.DeckDesign, 4, 1, 4), // Palm Tree
            SettingNumber(kQuintelMax, o.TimeBonusMax, 300, 1, 10000).counts(),
            SettingNumber(kQuintelMin, o.TimeBonusMin, 100, 1, 10000).counts(),
            SettingNumber(kQuintelBonus, s.BonusScore, 200000, 0, INT32_MAX).counts(),
            SettingNumber(kQuintelWait, o.WaitPeriod, 2000, 0, 60000),
            SettingFlag(kQuintelCountDown, s.CountDownScore, true),
            SettingNumber(kQuintelPasses, o.CardsToPass, 1, 0, 10).counts(),
            WindowBlocks(),
        },
        QSize(9540, 7305), QStringLiteral("Quintel.Ini"), true);
    return table;
}

void ResetFiveColumnDefaults() {
    SharedState& s = Shared();
    FiveColumnSettingsTable().resetDefaults();
    s.TimeBonus = FiveColumnOptions().TimeBonusMax;
    s.CustomScoring = false;
}

void CheckTimeBonusEnds() {
    FiveColumnSettings& o = FiveColumnOptions();
    if (o.TimeBonusMax > o.TimeBonusMin) return;
    const SettingsTable& t = FiveColumnSettingsTable();
    o.TimeBonusMax = t.defaultOf(kQuintelMax);
    o.TimeBonusMin = t.defaultOf(kQuintelMin);
}

float TimeBonusStep(int timeBonusMax, int timeBonusMin, int timeLimit) {
    if (timeLimit <= 0) return 0.0f;
    return float(int16_t(timeBonusMax - timeBonusMin)) / float(timeLimit);
}

int32_t TimeBonusAt(int timeBonusMax, float step, int elapsed) {
    // Every step in single precision, as the bonus was first paid: in double precision a
    // step of 0.1 makes 15 s fall a hair short of a half and round the other way. The
    // default rounding mode sends halves to the even neighbour.
    const float lost = float(elapsed) * step;
    const float bonus = float(timeBonusMax) - lost;
    return int32_t(std::nearbyint(bonus));
}

float CurrentTimeBonusStep() {
    const FiveColumnSettings& o = FiveColumnOptions();
    return TimeBonusStep(o.TimeBonusMax, o.TimeBonusMin, Shared().TimeLimit);
}

int32_t CurrentTimeBonus(int elapsed) {
    return TimeBonusAt(FiveColumnOptions().TimeBonusMax, CurrentTimeBonusStep(), elapsed);
}
