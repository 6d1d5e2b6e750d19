// Fuzzes the settings readers: any bytes as each game's settings file, applied through
// handlers that check every value they are given is one the window can take.
#include "games/combinations/CombinationsSettings.h"
#include "games/elevens/ElevensSettings.h"
#include "games/fivecolumn/FiveColumnSettings.h"
#include "games/pairs/PairsSettings.h"
#include "games/phrase/PhraseSettings.h"
#include "games/towers/TowersSettings.h"
#include "services/SettingsFile.h"
#include "services/SharedState.h"
#include "tests/fuzz/EightsSettingsFuzz.h"
#include "tests/fuzz/PokerGridSettingsFuzz.h"
#include "tests/fuzz/TripsSettingsFuzz.h"

#include <cstdint>
#include <cstdlib>

namespace {
void require(bool ok) {
    if (!ok) std::abort();
}

bool between(int64_t v, int64_t low, int64_t high) {
    return v >= low && v <= high;
}

void fuzzTwentyOneReaders(const QByteArray& text) {
    ResetFiveColumnDefaults();
    FiveColumnSettingsTable().apply(text);
    CheckTimeBonusEnds();
    const FiveColumnSettings& q = FiveColumnOptions();
    require(Shared().TimeLimit % 15 == 0 && between(Shared().TimeLimit, 15, 75));
    require(between(Shared().DeckDesign, 1, 4));
    require(between(q.TimeBonusMin, 1, 10000) && between(q.TimeBonusMax, 1, 10000));
    require(q.TimeBonusMax > q.TimeBonusMin);
    require(between(q.WaitPeriod, 0, 60000) && between(q.CardsToPass, 0, 10));
    require(Shared().BonusScore >= 0);

    ResetCombinationsDefaults();
    CombinationsSettingsTable().apply(text);
    const CombinationsSettings& b = CombinationsOptions();
    const int brisko = Shared().TimeLimit;
    require(b.TimerSpeed == 90 || b.TimerSpeed == 180 || b.TimerSpeed == 360);
    require(brisko == 15 || brisko == 30 || brisko == 60 || brisko == 90 || brisko == 120);
    require(between(Shared().DeckDesign, 1, 4) && between(b.CardsToPass, 0, 10));
    require(between(b.TwentyOneBonusValue, 0, 5000) && between(b.CardsUsedBonusValue, 0, 5000));
    require(between(b.FiveCardsBonusValue, 0, 50000));
    require(between(b.DeckCompletionBonus, 0, 1000000));
    require(between(b.WaitPeriod, 0, 60000) && Shared().BonusRoundScore >= 0);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    ResetElevensLoadDefaults();
    ElevensSettingsTable().apply(
        text, {{kElevensColor, [](int32_t i) { require(i >= 0 && i <= 5); }},
               {kElevensTime, [](int32_t t) { require(t >= 30 && t <= 180 && t % 30 == 0); }},
               {kElevensDeck, [](int32_t d) { require(d >= 1 && d <= 4); }},
               {kElevensCardGoal, [](int32_t g) { require(g >= 10 && g <= 15); }}});
    const ElevensSettings& o = ElevensOptions();
    for (int32_t v : {o.BonusRoundScore, o.CompletionBonus, o.Bonus, o.BonusES, Shared().TimeBonus})
        require(between(v, 1, 5000000));
    require(between(Shared().CardGoal, 10, 15) && between(o.SelectionColour, 0, 5));

    ResetPhraseLoadDefaults();
    PhraseSettingsTable().apply(text);
    const PhraseSettings& p = PhraseOptions();
    require(between(Shared().TimeLimit, 30, 120) && Shared().TimeLimit % 15 == 0);
    require(between(p.Topic, 0, 7) && between(p.GuessCount, 1, 8));
    require(between(p.ShowPhraseTime, 1000, 30000) && between(p.GuessBonus, 1, 50000));
    require(between(p.CompletionBonus, 1, 100000) && between(Shared().TimeBonus, 1, 5000));
    require(between(Shared().BonusRoundScore, 1, 1000000));

    ResetTowersLoadDefaults();
    TowersSettingsTable().apply(text);
    const TowersSettings& c = TowersOptions();
    const int time = Shared().TimeLimit;
    require(time == 30 || time == 45 || time == 60 || time == 90);
    require(between(Shared().DeckDesign, 1, 4) && between(c.HighRun, 0, kMaxHighRun));
    require(between(c.CardBonus, 0, 1000) && between(c.TowerBonus, 0, 32767));
    require(between(c.HighRunBonus, 0, 32767) && between(Shared().TimeBonus, 0, 32767));
    require(between(Shared().BonusRoundScore, 0, 900000));
    ResetPairsLoadDefaults();
    PairsSettingsTable().apply(text);
    const PairsSettings& t = PairsOptions();
    require(Shared().TimeLimit % 15 == 0 && between(Shared().TimeLimit, 30, 120));
    require(between(Shared().DeckDesign, 1, 4));
    for (int32_t v : {t.PairsBonus, t.RunsBonus, t.CompletionBonus, Shared().TimeBonus})
        require(between(v, 0, 32767));
    require(between(Shared().BonusRoundScore, 0, 200000));
    fuzzTwentyOneReaders(text);

    // The generic reader on its own, with a key taken from the input.
    const QString firstLine = QString::fromLatin1(text.left(text.indexOf('\n')));
    ReadSettingsText(text, {firstLine.trimmed()},
                     [](const QString&, const QString& v) { (void)SettingsWholeNumber(v); });
    FuzzTripsSettings(text);
    FuzzPokerGridSettings(text);
    FuzzEightsSettings(text);
    return 0;
}
